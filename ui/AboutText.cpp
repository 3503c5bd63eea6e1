#include "ui/AboutText.h"

#include "ui/Version.h"

namespace metalweight {

ProgramVersion programVersion() {
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

std::string aboutMessage(const ProgramVersion& version) {
    constexpr char kLineBreak = '\r';
    std::string text = "有关常用金属材料理论单重计算程序。";
    text += kLineBreak;
    text += kLineBreak;
    text += "选择类别并给出显示变量，即可计算出对应单重。";
    text += kLineBreak;
    text += "编制：metalweight 开发组。";
    text += kLineBreak;
    text += "意见和建议请提交至本项目的问题跟踪系统。";
    text += kLineBreak;
    text += kLineBreak;
    text += "版本 " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
            std::to_string(version.revision) + " (1999)";
    return text;
}

}  // namespace metalweight

#include "tools/bom/Gb18030.h"

#include <cerrno>
#include <memory>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace metalweight::bom {

#ifdef _WIN32

std::size_t decodeGb18030(std::string_view text, std::string& out) {
    // GB18030's code page, or where a system lacks it (Wine does), GBK's: the two-byte
    // part of GB18030, which holds every character of the national standard set.
    static const UINT codePage = IsValidCodePage(54936) != 0 ? 54936 : 936;
    // The code page converts whole texts only; on a failure, find the longest line
    // prefix that converts, so that the offset names the right line.
    auto convert = [&](std::string_view part) {
        if (part.empty()) {
            return true;
        }
        const int wideLength = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, part.data(),
                                                   static_cast<int>(part.size()), nullptr, 0);
        if (wideLength <= 0) {
            return false;
        }
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, part.data(),
                            static_cast<int>(part.size()), wide.data(), wideLength);
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length));
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data() + start, length,
                            nullptr, nullptr);
        return true;
    };
    if (convert(text)) {
        return text.size();
    }
    std::size_t done = 0;
    while (done < text.size()) {
        std::size_t end = text.find('\n', done);
        end = end == std::string_view::npos ? text.size() : end + 1;
        if (!convert(text.substr(done, end - done))) {
            return done;
        }
        done = end;
    }
    return done;
}

#else

std::size_t decodeGb18030(std::string_view text, std::string& out) {
    const iconv_t converter = iconv_open("UTF-8", "GB18030");
    // iconv_open's failure value is the handle (iconv_t)-1.
    if (converter == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
        throw std::runtime_error("系统不能转换 GB18030 编码");
    }
    const std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    // iconv's interface takes a non-const input pointer and does not write through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        const std::size_t start = out.size();
        // A GB18030 character is at most four bytes and becomes at most four in UTF-8.
        out.resize(start + inLeft * 2 + 16);
        char* outPointer = out.data() + start;
        std::size_t outLeft = out.size() - start;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPointer, &outLeft);
        out.resize(out.size() - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte that is no GB18030 or, at the end of the input, a character cut short.
            return text.size() - inLeft;
        }
    }
    return text.size();
}

#endif

}  // namespace metalweight::bom

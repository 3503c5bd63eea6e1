#include "tools/scenario/MemoryWindow.h"

#include <algorithm>

#include "ui/FormDescription.h"

namespace metalweight {
namespace {

bool isList(Control control) {
    return control == Control::lItem || control == Control::Comchoice || isValueField(control);
}

bool hasText(Control control) {
    return isValueField(control) || control == Control::Tretunval;
}

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0U) {
        return 4;
    }
    if (lead >= 0xE0U) {
        return 3;
    }
    if (lead >= 0xC0U) {
        return 2;
    }
    return 1;
}

// Byte offset of character `index` of a UTF-8 text (its length if the text is shorter).
std::size_t byteOffset(std::string_view text, int index) {
    std::size_t offset = 0;
    for (int i = 0; i < index && offset < text.size(); ++i) {
        offset += utf8SequenceLength(static_cast<unsigned char>(text[offset]));
    }
    return std::min(offset, text.size());
}

void requireList(Control control) {
    if (!isList(control)) {
        throw WindowLayerError(std::string(controlName(control)) + " has no list");
    }
}

void requireText(Control control) {
    if (!hasText(control)) {
        throw WindowLayerError(std::string(controlName(control)) + " has no text");
    }
}

}  // namespace

MemoryWindow::MemoryWindow() {
    for (const ControlDescription& d : kFormControls) {
        std::string& stored = hasText(d.control) ? data(d.control).text : data(d.control).caption;
        stored = d.storedText;
    }
}

std::string MemoryWindow::selectedText(Control control) const {
    const ControlData& d = data(control);
    const std::size_t begin = byteOffset(d.text, d.selectionStart);
    const std::size_t end = byteOffset(d.text, d.selectionStart + d.selectionLength);
    return d.text.substr(begin, end - begin);
}

std::vector<MemoryWindow::Message> MemoryWindow::takeMessages() {
    std::vector<Message> taken;
    taken.swap(messages_);
    return taken;
}

void MemoryWindow::changed(Control control) {
    if (events_ != nullptr && isValueField(control)) {
        events_->textChanged(control);
    }
}

void MemoryWindow::textEdited(Control control) {
    ControlData& d = data(control);
    if (isValueField(control)) {
        d.selected = -1;
    }
    d.selectionStart = 0;
    d.selectionLength = 0;
}

void MemoryWindow::userSelect(Control control, int position) {
    data(control).selected = position;
    if (events_ != nullptr) {
        events_->selectionMade(control);
    }
}

void MemoryWindow::userType(Control control, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length =
            std::min(utf8SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        data(control).text.append(text.substr(i, length));
        textEdited(control);
        changed(control);
        i += length;
    }
}

void MemoryWindow::userSetText(Control control, std::string_view text) {
    data(control).text = text;
    textEdited(control);
    changed(control);
}

void MemoryWindow::userPick(Control control, int position) {
    ControlData& d = data(control);
    d.text = d.items.at(static_cast<std::size_t>(position));
    d.selected = position;
    if (events_ != nullptr) {
        events_->entryPicked(control);
    }
}

void MemoryWindow::userFocus(Control control) {
    if (events_ != nullptr) {
        events_->focusEntered(control);
    }
}

void MemoryWindow::userPress(Control control) {
    if (events_ != nullptr) {
        events_->pressed(control);
    }
}

void MemoryWindow::setCaption(Control control, std::string_view caption) {
    data(control).caption = caption;
}

void MemoryWindow::setVisible(Control control, bool visible) {
    data(control).visible = visible;
}

void MemoryWindow::addItem(Control control, std::string_view text) {
    requireList(control);
    data(control).items.emplace_back(text);
}

std::string MemoryWindow::itemText(Control control, int position) {
    requireList(control);
    const auto& items = data(control).items;
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) {
        return {};
    }
    return items[static_cast<std::size_t>(position)];
}

void MemoryWindow::setSelectedPosition(Control control, int position) {
    requireList(control);
    ControlData& d = data(control);
    if (position < -1 || position >= static_cast<int>(d.items.size())) {
        throw WindowLayerError("no entry " + std::to_string(position) + " in " +
                               std::string(controlName(control)));
    }
    d.selected = position;
    if (events_ != nullptr && !isValueField(control)) {
        events_->selectionMade(control);
    }
}

void MemoryWindow::clear(Control control) {
    requireList(control);
    ControlData& d = data(control);
    d.items.clear();
    d.selected = -1;
    if (isValueField(control)) {
        d.text.clear();
    }
}

void MemoryWindow::setText(Control control, std::string_view text) {
    requireText(control);
    data(control).text = text;
    textEdited(control);
    changed(control);
}

void MemoryWindow::setTextSelection(Control control, int start, int length) {
    requireText(control);
    ControlData& d = data(control);
    d.selectionStart = std::max(start, 0);
    d.selectionLength = std::max(length, 0);
}

void MemoryWindow::showMessage(std::string_view text, std::string_view title) {
    messages_.push_back({std::string(text), std::string(title)});
}

}  // namespace metalweight

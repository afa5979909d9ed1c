#include "app/integer_line_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace vantrel {

namespace {

bool IsRefusedCharacter(QChar character) {
    const bool allowed = (character >= u'0' && character <= u'9') || character == u'-';
    return character.isPrint() && !allowed;
}

// Held Control or Meta makes a key a command such as paste, whose key text some platforms
// still report as the letter; Control with Alt is AltGr on some keyboards, which types.
bool IsCommand(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers & (Qt::ControlModifier | Qt::MetaModifier) && !(modifiers & Qt::AltModifier);
}

// Leading white space, an optional sign and the digits up to the first other character,
// read in 64 bits the way strtoll does.
QString NormalisedIntegerText(const QString& text) {
    const std::string utf8 = text.toStdString();
    const long long value = std::clamp<long long>(std::strtoll(utf8.c_str(), nullptr, 10),
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max());
    return value == 0 ? QString() : QString::number(value);
}

}  // namespace

IntegerLineEdit::IntegerLineEdit(QWidget* parent) : QLineEdit(parent) {
    // An input method would commit its text without a key press, past the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void IntegerLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!IsCommand(*event) && std::any_of(typed.begin(), typed.end(), IsRefusedCharacter)) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void IntegerLineEdit::focusOutEvent(QFocusEvent* event) {
    // Opening the box's own context menu does not take the user out of the box.
    if (event->reason() != Qt::PopupFocusReason) Normalise();
    QLineEdit::focusOutEvent(event);
}

void IntegerLineEdit::Normalise() {
    const QString normalised = NormalisedIntegerText(text());
    if (normalised == text()) return;
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    setText(normalised);
    setCursorPosition(std::min(caret, static_cast<int>(normalised.size())));
}

}  // namespace vantrel

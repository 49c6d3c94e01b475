#pragma once

#include <QLineEdit>
#include <optional>

class Dialogs;

// A text box that takes digits only. A typed character other than a digit is dropped
// with a beep and the notice that asks for a number; pasted text is taken only when it
// is all digits. The Persian and Arabic-Indic digits that a Persian keyboard layout
// types are stored as the digits 0-9, so that the stored text reads as a number.
class DigitsLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    DigitsLineEdit(Dialogs& dialogs, QWidget* parent = nullptr);

    // The text with every digit written as 0-9, or nothing when it holds a non-digit.
    static std::optional<QString> asciiDigits(QStringView text);

    // Inserts text at the cursor as a paste does: refused unless it is all digits.
    void pasteText(const QString& text);

    // The most characters that typing and pasting may make; -1 for no limit. Unlike
    // maxLength it never cuts a longer text that the program puts into the box, so a
    // bound field does not lose what was stored before the limit applied.
    void setTypedLimit(int characters) { m_typedLimit = characters; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void refuse();
    int room() const; // characters that may still be typed in place of the selection

    Dialogs& m_dialogs;
    int m_typedLimit = -1;
};

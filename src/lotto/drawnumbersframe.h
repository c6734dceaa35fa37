#pragma once

#include <QGroupBox>
#include <QStringList>
#include <array>

class QLineEdit;
class QPushButton;

namespace ds {

class Dialogs;
struct DrawEntry;

// Refuses the numbers of a draw entry: the refusal, with the era's numbers
// under it when one was out of range.
void refuseDrawEntry(Dialogs &dialogs, const DrawEntry &entry);

// The "Enter Draw Numbers" frame of the Date Selection and second draw
// dialogs: six main numbers in any order (Text1..Text6), the bonus (Text7),
// OK (Command1) and Cancel (Command3).
class DrawNumbersFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit DrawNumbersFrame(QWidget *parent = nullptr);

    QStringList texts() const;
    void emptyBoxes();
    QLineEdit *box(int index) const { return m_boxes[static_cast<size_t>(index)]; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    std::array<QLineEdit *, 7> m_boxes{};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace ds

#pragma once

#include <QWidget>

class QLineEdit;
class QKeyEvent;
class QToolButton;

namespace monocl {

// An integer field with up/down buttons, in the manner of a classic Windows
// spin edit. The text is kept as the user typed it: value() reads whatever
// integer is there, even one outside the range, and the range is applied only
// when the field loses focus or a step is taken.
class SpinEdit : public QWidget
{
    Q_OBJECT

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    QLineEdit* lineEdit() const;

    // A maximum below the minimum is raised to the minimum. The present text
    // is left alone.
    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;

    // The text read as an integer; a text that is not one reads as minimum().
    int value() const;
    // Sets the text to the number clamped into the range.
    void setValue(int value);

    QString text() const;
    void setText(const QString& text);

    // The separator is accepted when typed so that a decimal number can be
    // entered (it then reads as minimum()).
    QChar decimalSeparator() const;
    void setDecimalSeparator(QChar separator);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void stepUp();
    void stepDown();

signals:
    // Emitted on every change of the text, typed or set by the program.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    bool isRefused(const QKeyEvent* event) const;
    bool isAccepted(QChar c) const;
    void stepBy(int steps);
    void applyRange();
    void layoutButtons();

    QLineEdit* m_edit;
    QToolButton* m_upButton;
    QToolButton* m_downButton;
    int m_minimum = 0;
    int m_maximum = 99;
    QChar m_decimalSeparator;
};

} // namespace monocl

#include "spin_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <limits>
#include <optional>

namespace monocl {

namespace {

// Wide enough for an arrow, narrow enough to leave a 60 px field room for
// four digits.
constexpr int kButtonWidth = 15;

// Reads a decimal integer: blanks around it, an optional sign, then digits.
// Anything else, or a number that does not fit an int, is not an integer.
std::optional<int> parseInteger(const QString& text)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;

    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) // stop before a long text overflows
            return std::nullopt;
    }
    const qint64 number = negative ? -magnitude : magnitude;
    if (number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(number);
}

QToolButton* createArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The buttons must not take the focus away from the text, or every click
    // would apply the range as a focus loss does.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent),
      m_edit(new QLineEdit(QStringLiteral("0"), this)),
      m_upButton(createArrowButton(Qt::UpArrow, QStringLiteral("upButton"), this)),
      m_downButton(createArrowButton(Qt::DownArrow, QStringLiteral("downButton"), this))
{
    const QString point = QLocale().decimalPoint();
    m_decimalSeparator = point.size() == 1 ? point.front() : QChar(u'.');

    // The buttons sit over the right end of the line edit, inside its frame;
    // the margin keeps the text from running under them.
    m_edit->setTextMargins(0, 0, kButtonWidth, 0);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, &SpinEdit::changed);
    connect(m_upButton, &QToolButton::clicked, this, &SpinEdit::stepUp);
    connect(m_downButton, &QToolButton::clicked, this, &SpinEdit::stepDown);
}

QLineEdit* SpinEdit::lineEdit() const
{
    return m_edit;
}

void SpinEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
}

int SpinEdit::minimum() const
{
    return m_minimum;
}

int SpinEdit::maximum() const
{
    return m_maximum;
}

int SpinEdit::value() const
{
    return parseInteger(m_edit->text()).value_or(m_minimum);
}

void SpinEdit::setValue(int value)
{
    setText(QString::number(qBound(m_minimum, value, m_maximum)));
}

QString SpinEdit::text() const
{
    return m_edit->text();
}

void SpinEdit::setText(const QString& text)
{
    // The window sets its fields on every recompute; an unchanged text must
    // neither signal nor move the cursor.
    if (text == m_edit->text())
        return;
    m_edit->setText(text);
}

QChar SpinEdit::decimalSeparator() const
{
    return m_decimalSeparator;
}

void SpinEdit::setDecimalSeparator(QChar separator)
{
    m_decimalSeparator = separator;
}

QSize SpinEdit::sizeHint() const
{
    return m_edit->sizeHint();
}

QSize SpinEdit::minimumSizeHint() const
{
    return m_edit->minimumSizeHint();
}

void SpinEdit::stepUp()
{
    stepBy(1);
}

void SpinEdit::stepDown()
{
    stepBy(-1);
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit) {
        if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
            return true;
        // A context menu, another window or a message box takes the focus
        // only for a while; the user has not left the field.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                applyRange();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    // Keys sent to the spin edit itself go to the line edit. Its event() is
    // called directly: sending the event would let an ignored key propagate
    // back here.
    if (!handleKey(event))
        static_cast<QObject*>(m_edit)->event(event);
}

void SpinEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
    layoutButtons();
}

// Returns true when the key has been dealt with and must not reach the line
// edit.
bool SpinEdit::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        return true;
    case Qt::Key_Down:
        stepDown();
        return true;
    default:
        return isRefused(event);
    }
}

// Typing is limited to what can make up a number; shortcuts and keys without
// printable text (Backspace, arrows, Ctrl+V...) pass.
bool SpinEdit::isRefused(const QKeyEvent* event) const
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return std::any_of(text.cbegin(), text.cend(),
                       [this](QChar c) { return c.isPrint() && !isAccepted(c); });
}

bool SpinEdit::isAccepted(QChar c) const
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == m_decimalSeparator;
}

void SpinEdit::stepBy(int steps)
{
    // In 64 bits so that a step past INT_MAX cannot wrap around.
    const qint64 next = qint64(value()) + steps;
    setValue(int(qBound(qint64(m_minimum), next, qint64(m_maximum))));
}

// An integer outside the range is replaced by the nearer bound. Other texts
// stay as typed: they read as the minimum anyway.
void SpinEdit::applyRange()
{
    const std::optional<int> number = parseInteger(m_edit->text());
    if (number && (*number < m_minimum || *number > m_maximum))
        setValue(*number);
}

void SpinEdit::layoutButtons()
{
    const int frame = m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_edit);
    const int x = width() - frame - kButtonWidth;
    const int height = qMax(0, this->height() - 2 * frame);
    const int upHeight = height / 2;
    m_upButton->setGeometry(x, frame, kButtonWidth, upHeight);
    m_downButton->setGeometry(x, frame + upHeight, kButtonWidth, height - upHeight);
}

} // namespace monocl

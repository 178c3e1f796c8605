// A seeded, reproducible soak of the real window: random user events, and
// after each one a check of everything the window shows against what the
// computation gives for the inputs the window shows.
//
//   MONOCL_SOAK_EVENTS  number of events (default 2000)
//   MONOCL_SOAK_SEED    random seed (default 1)
#include "box_catcher.h"

#include "ui/widgets/canvas_image.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"
#include "ui/widgets/memo.h"
#include "ui/window/sketch.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "core/design_pass.h"
#include "errors/errors.h"
#include "core/forecast.h"
#include "core/real_fields.h"
#include "format/number_text.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

using namespace monocl;

namespace {

long envNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

const char* spinNames[] = {"FSpin", "ASpin", "OtSpin", "VminSP", "VmaxSP", "NSpin"};
const char* radioNames[] = {"Sf1", "Sf2", "Sf3", "fp1", "RB1", "RB2", "sfp1", "sfp2", "sfp3", "Sfp4"};

class Soak
{
public:
    explicit Soak(unsigned seed) : m_rng(seed)
    {
        m_window = startUp(m_state);
        m_sep = m_window->decimalSeparator();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        if (!QTest::qWaitForWindowActive(m_window.get()))
            ADD_FAILURE() << "the window did not become active";
        m_design = m_window->findChild<StringGrid*>(QStringLiteral("MonGrid"));
        m_forecast = m_window->findChild<StringGrid*>(QStringLiteral("PrognozGrid"));
        m_vvd = m_window->findChild<Memo*>(QStringLiteral("vvd"));
        m_recom = m_window->findChild<Memo*>(QStringLiteral("recom"));
        m_tabs = m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        snapshot();
    }

    // Runs one random event and checks the window after it; returns what
    // went wrong, or an empty text.
    std::string step(long index)
    {
        m_boxes.messages.clear();
        m_boxes.focusBehindBox = nullptr;
        m_event.clear();
        const long runs = m_window->recomputeRuns();
        randomEvent();
        m_recomputed = m_window->recomputeRuns() != runs;
        std::string problem = check();
        if (problem.empty())
            problem = returnFocusAfterBox();
        snapshot();
        if (!problem.empty())
            problem = "event " + std::to_string(index) + " (" + m_event + "): " + problem;
        return problem;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }

    template <class T>
    T* find(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }

    // ---- Events ------------------------------------------------------------------

    QString numberLike(double low, double high)
    {
        const double v = std::uniform_real_distribution<double>(low, high)(m_rng);
        return QString::fromStdString(fixedText(v, 8, pick(5), m_sep));
    }

    QString junkText()
    {
        static const char* pieces[] = {"0", "1", "2", "5", "7", "9", ",", ".", "+", "-", "E", "e",
                                       " ", "a", "x", "E400", "E-400", "1E400", "1E-400", "00", ""};
        QString text;
        const int n = pick(6);
        for (int i = 0; i < n; ++i)
            text += QString::fromLatin1(pieces[pick(std::size(pieces))]);
        return text;
    }

    QString realText(const RealField& f)
    {
        if (chance(0.4))
            return junkText();
        const std::string name = f.name;
        if (name == "NDedit" || name == "inmin" || name == "inmax")
            return numberLike(1.0, 2.0);
        if (name == "ABEdit")
            return numberLike(-10.0, 200.0);
        return numberLike(-2.0, 100.0);
    }

    void typeText(QWidget* target, const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(target, c.toLatin1());
    }

    void realFieldEvent()
    {
        const RealField& f = RealFields[pick(RealFields.size())];
        QLineEdit* edit = find<QLineEdit>(f.name);
        const QString text = realText(f);
        if (chance(0.5)) {
            m_event = std::string("paste '") + text.toStdString() + "' into " + f.name;
            edit->setText(text);
        } else {
            // One keystroke is one event: the next ones follow in later steps.
            m_event = std::string("type '") + text.left(1).toStdString() + "' into " + f.name;
            if (chance(0.3))
                edit->selectAll();
            else
                edit->end(false);
            if (text.isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                typeText(edit, text.left(1));
        }
    }

    void spinEvent()
    {
        SpinEdit* spin = find<SpinEdit>(spinNames[pick(std::size(spinNames))]);
        const int choice = pick(6);
        if (choice == 0) {
            // Focus moving into this field leaves the one that had it, which
            // applies its range.
            m_event = "focus moves to " + spin->objectName().toStdString();
            spin->lineEdit()->setFocus();
            return;
        }
        if (choice == 1) {
            m_event = "step up " + spin->objectName().toStdString();
            spin->stepUp();
        } else if (choice == 2) {
            m_event = "step down " + spin->objectName().toStdString();
            spin->stepDown();
        } else {
            QString text;
            switch (pick(4)) {
            case 0: text = QString::number(std::uniform_int_distribution<int>(spin->minimum(), spin->maximum())(m_rng)); break;
            case 1: text = QString::number(std::uniform_int_distribution<int>(-100000, 100000)(m_rng)); break;
            case 2: text = junkText(); break;
            default: text = QString(); break;
            }
            m_event = "paste '" + text.toStdString() + "' into " + spin->objectName().toStdString();
            spin->setText(text);
        }
    }

    // A click that takes the focus from a spin edit is two actions: the
    // spin edit applies its range as it loses the focus, then the click
    // acts. The first is an event of its own here.
    bool leaveSpinFocusFor(QWidget* target)
    {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !qobject_cast<SpinEdit*>(focus->parentWidget()))
            return false;
        m_event = "focus moves to " + target->objectName().toStdString();
        target->setFocus(Qt::MouseFocusReason);
        if (QApplication::focusWidget() == focus)
            focus->clearFocus();
        return true;
    }

    void randomEvent()
    {
        // An error box takes the activation away; a user clicks back first.
        if (QApplication::activeWindow() != m_window.get())
            QApplication::setActiveWindow(m_window.get());
        const int kind = pick(100);
        if (kind < 40) {
            realFieldEvent();
        } else if (kind < 60) {
            spinEvent();
        } else if (kind < 75) {
            auto* bar = find<TrackBar>(chance(0.5) ? "KsfBar" : "KxrBar");
            const int position = pick(101);
            m_event = "move " + bar->objectName().toStdString() + " to " + std::to_string(position);
            bar->setValue(position);
        } else if (kind < 92) {
            auto* button = find<QRadioButton>(radioNames[pick(std::size(radioNames))]);
            if (leaveSpinFocusFor(button))
                return;
            m_event = "click " + button->objectName().toStdString();
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            if (leaveSpinFocusFor(m_tabs))
                return;
            const int tab = pick(m_tabs->count());
            m_event = "switch to tab " + std::to_string(tab);
            m_tabs->setCurrentIndex(tab);
        }
    }

    // After a box, the window is activated again and the control that had
    // the focus gets it back, as a window manager does; a spin edit left
    // with a value out of range then applies it when the focus next moves.
    std::string returnFocusAfterBox()
    {
        QWidget* focus = m_boxes.focusBehindBox;
        if (m_boxes.messages.isEmpty() || !focus || !focus->isVisible())
            return {};
        QApplication::setActiveWindow(m_window.get());
        focus->setFocus(Qt::ActiveWindowFocusReason);
        if (qobject_cast<SpinEdit*>(focus->parentWidget()))
            ++m_spinFocusReturns;
        if (QApplication::focusWidget() != focus)
            return "the focus did not return to " + focus->objectName().toStdString()
                + " after the box";
        return {};
    }

    // ---- Checks ----------------------------------------------------------------------

    DesignControls designControls() const
    {
        DesignControls c;
        c.OtSpin = find<SpinEdit>("OtSpin")->value();
        c.KsfBar = find<TrackBar>("KsfBar")->value();
        c.KxrBar = find<TrackBar>("KxrBar")->value();
        c.NDedit = find<QLineEdit>("NDedit")->text().toStdString();
        c.ABEdit = find<QLineEdit>("ABEdit")->text().toStdString();
        c.FSpin = find<SpinEdit>("FSpin")->value();
        c.ASpin = find<SpinEdit>("ASpin")->value();
        c.RB1 = find<QRadioButton>("RB1")->isChecked();
        c.RB2 = find<QRadioButton>("RB2")->isChecked();
        c.Sf1 = find<QRadioButton>("Sf1")->isChecked();
        c.Sf2 = find<QRadioButton>("Sf2")->isChecked();
        c.Sf3 = find<QRadioButton>("Sf3")->isChecked();
        c.decimalSeparator = m_sep;
        return c;
    }

    ForecastControls forecastControls() const
    {
        ForecastControls c;
        c.VminSP = find<SpinEdit>("VminSP")->value();
        c.VmaxSP = find<SpinEdit>("VmaxSP")->value();
        c.NSpin = find<SpinEdit>("NSpin")->value();
        c.sfp1 = find<QRadioButton>("sfp1")->isChecked();
        c.sfp2 = find<QRadioButton>("sfp2")->isChecked();
        c.sfp3 = find<QRadioButton>("sfp3")->isChecked();
        c.Sfp4 = find<QRadioButton>("Sfp4")->isChecked();
        return c;
    }

    using Grid = std::vector<std::vector<std::string>>;

    static Grid read(const StringGrid* g)
    {
        Grid cells(static_cast<std::size_t>(g->colCount()));
        for (int c = 0; c < g->colCount(); ++c)
            for (int r = 0; r < g->rowCount(); ++r)
                cells[static_cast<std::size_t>(c)].push_back(g->cell(c, r).toStdString());
        return cells;
    }

    static std::vector<std::string> lines(const Memo* m)
    {
        std::vector<std::string> out;
        for (const QString& l : m->lines())
            out.push_back(l.toStdString());
        return out;
    }

    void snapshot()
    {
        m_designBefore = read(m_design);
        m_forecastBefore = read(m_forecast);
        m_vvdBefore = lines(m_vvd);
        m_recomBefore = lines(m_recom);
        m_colourBefore = m_vvd->fontColor();
    }

    static void setCell(Grid& g, int col, int row, const std::string& text)
    {
        if (col < static_cast<int>(g.size()) && row < static_cast<int>(g[col].size()))
            g[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = text;
    }

    static void resizeRows(Grid& g, int rows)
    {
        for (auto& column : g)
            column.resize(static_cast<std::size_t>(rows));
    }

    // What the design steps leave in the table for the visible inputs, and
    // the first fault's message, if any.
    Grid expectedDesign(std::string& fault) const
    {
        Grid g = m_designBefore;
        MonoclState s = m_state;
        RecomputeLocals l;
        try {
            ReadDesignInputs(designControls(), s, l);
            resizeRows(g, DesignTableRows);
            RunDesignPasses(s, l);
            ComputeEdgeGeometry(s, l);
            if (l.DesignFailed != 0) {
                for (int row = 1; row < DesignTableRows; ++row)
                    setCell(g, 1, row, DesignFailedDash);
            } else {
                setCell(g, 0, 0, designTableHeader(0));
                setCell(g, 1, 0, designTableHeader(1));
                for (int row = 1; row < DesignTableRows; ++row) {
                    setCell(g, 0, row, designTableLabel(row));
                    setCell(g, 1, row, designTableValue(row, s, l, m_sep));
                }
            }
            // The sketch's own faults, on a canvas of the same size.
            CanvasImage canvas;
            canvas.resize(235, 237);
            DrawMeniscusSketch(canvas, s.R1, s.R2, s.Dm, l.FrontSag, l.RearSag, l.RearShift,
                               l.DesignFailed);
        } catch (const MonoclError& e) {
            fault = e.what();
        }
        return g;
    }

    struct ForecastView {
        Grid grid;
        std::vector<std::string> vvd, recom;
        QColor colour;
    };

    ForecastView expectedForecast(std::string& fault) const
    {
        ForecastView v{m_forecastBefore, m_vvdBefore, m_recomBefore, m_colourBefore};
        MonoclState s = m_state;
        try {
            const ForecastValues f = ComputeForecast(forecastControls(), s);
            for (int col = 0; col < ForecastTableCols; ++col)
                setCell(v.grid, col, 0, forecastTableHeader(col));
            v.grid.resize(ForecastTableCols);
            resizeRows(v.grid, ForecastTableRows);
            for (int row = 1; row < ForecastTableRows; ++row) {
                const ForecastRow r = forecastTableRow(row, s, f, m_sep);
                setCell(v.grid, 0, row, r.label);
                setCell(v.grid, 1, row, r.minText);
                if (r.maxText)
                    setCell(v.grid, 2, row, *r.maxText);
            }
            v.vvd.clear();
            v.recom.clear();
            const Conclusions c = decideConclusions(s, f, m_sep);
            v.vvd = c.vvd;
            v.recom = c.recom;
            v.colour = c.colour == VerdictGreen ? QColor(0, 128, 0) : QColor(255, 0, 0);
        } catch (const MonoclError& e) {
            fault = e.what();
        }
        return v;
    }

    static bool looksBroken(const std::string& text)
    {
        std::string lower;
        for (char c : text)
            lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
    }

    std::string checkNumbersLookRight() const
    {
        for (const StringGrid* grid : {m_design, m_forecast})
            for (int c = 1; c < grid->colCount(); ++c)
                for (int r = 1; r < grid->rowCount(); ++r) {
                    const std::string t = grid->cell(c, r).toStdString();
                    if (looksBroken(t))
                        return "cell holds '" + t + "'";
                }
        for (const Memo* m : {m_vvd, m_recom})
            for (const std::string& l : lines(m))
                if (looksBroken(l))
                    return "memo line '" + l + "'";
        return {};
    }

    std::string checkFields() const
    {
        for (const RealField& f : RealFields) {
            const std::string text = find<QLineEdit>(f.name)->text().toStdString();
            double v = 0;
            if (!parseReal(text, m_sep, v))
                return std::string(f.name) + " shows unparsable '" + text + "'";
            const double stored = m_state.*f.stored;
            if (v != stored && text != fixedText(stored, 8, f.decimals, m_sep))
                return std::string(f.name) + " shows '" + text + "' but holds " +
                       fixedText(stored, 15, 10, '.');
        }
        return {};
    }

    static bool knownMessage(const QString& m)
    {
        return m == QLatin1String("Invalid floating point operation.")
            || m == QLatin1String("Floating point division by zero.")
            || m == QLatin1String("Floating point overflow.")
            || (m.startsWith(QLatin1Char('\'')) && m.endsWith(QLatin1String("' is not a valid floating point value.")));
    }

    std::string check()
    {
        for (const QString& m : m_boxes.messages)
            if (!knownMessage(m))
                return "unknown box message '" + m.toStdString() + "'";
        if (std::string p = checkNumbersLookRight(); !p.empty())
            return p;
        if (std::string p = checkFields(); !p.empty())
            return p;

        if (!m_recomputed) {
            if (!m_boxes.messages.isEmpty())
                return "a box opened though nothing was recomputed";
            if (read(m_design) != m_designBefore || read(m_forecast) != m_forecastBefore
                || lines(m_vvd) != m_vvdBefore || lines(m_recom) != m_recomBefore)
                return "the window changed though nothing was recomputed";
            return {};
        }

        std::string designFault, forecastFault;
        const Grid design = expectedDesign(designFault);
        const ForecastView forecast = expectedForecast(forecastFault);
        if (read(m_design) != design)
            return "design table differs from the computation";
        if (read(m_forecast) != forecast.grid)
            return "forecast table differs from the computation";
        if (lines(m_vvd) != forecast.vvd || lines(m_recom) != forecast.recom)
            return "conclusions differ from the computation";
        if (!m_vvd->lines().isEmpty() && m_vvd->fontColor() != forecast.colour)
            return "conclusions in the wrong colour";

        const std::string fault = designFault.empty() ? forecastFault : designFault;
        if (fault.empty() && !m_boxes.messages.isEmpty())
            return "a box said '" + m_boxes.messages.front().toStdString() + "' with nothing at fault";
        if (!fault.empty()) {
            if (m_boxes.messages.size() != 1)
                return "a fault '" + fault + "' showed " + std::to_string(m_boxes.messages.size()) + " boxes";
            if (m_boxes.messages.front().toStdString() != fault + ".")
                return "box said '" + m_boxes.messages.front().toStdString() + "', expected '" + fault + "'";
        }
        return {};
    }

public:
    // How often the focus went back to a spin edit after a box.
    long spinFocusReturns() const { return m_spinFocusReturns; }

private:
    long m_spinFocusReturns = 0;
    std::mt19937 m_rng;
    MonoclState m_state;
    std::unique_ptr<Toptmono> m_window;
    char m_sep = ',';
    BoxCatcher m_boxes;
    StringGrid* m_design = nullptr;
    StringGrid* m_forecast = nullptr;
    Memo* m_vvd = nullptr;
    Memo* m_recom = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::string m_event;
    bool m_recomputed = false;
    Grid m_designBefore, m_forecastBefore;
    std::vector<std::string> m_vvdBefore, m_recomBefore;
    QColor m_colourBefore;
};

} // namespace

TEST(Soak, RandomEventsKeepTheWindowTrue)
{
    const long events = envNumber("MONOCL_SOAK_EVENTS", 2000);
    const auto seed = static_cast<unsigned>(envNumber("MONOCL_SOAK_SEED", 1));
    Soak soak(seed);
    int reported = 0;
    for (long i = 0; i < events && reported < 10; ++i) {
        const std::string problem = soak.step(i);
        if (!problem.empty()) {
            ADD_FAILURE() << "seed " << seed << ", " << problem;
            ++reported;
        }
    }
    std::printf("soak: %ld events, seed %u; the focus went back to a spin edit after %ld boxes\n",
                events, seed, soak.spinFocusReturns());
}

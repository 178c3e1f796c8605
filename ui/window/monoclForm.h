#pragma once

#include "core/design_pass.h"
#include "core/forecast.h"
#include "core/monocl_state.h"
#include "core/ray_refine.h"
#include "core/ray_trace.h"
#include "core/real_fields.h"
#include "control_layout.h"
#include "ui/glass/glass_table.h"
#include "input_check.h"

#include <QWidget>

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace monocl {
class CanvasImage;
class FieldProblem;
class RayView;
class Memo;
class SpinEdit;
class StringGrid;
class TrackBar;
} // namespace monocl

// The main window: the direct design on the first tab, the forecast on the
// second, notes, the monocle's scheme and an about page on the others. Every
// input change runs its handler, and every handler ends with the recompute
// PageControl1Change, which rewrites both problems' outputs.
class Toptmono : public QWidget
{
    Q_OBJECT

public:
    // Creates the controls with their initial texts, values and checked
    // states, connects the handlers and runs FormCreate.
    explicit Toptmono(monocl::MonoclState& state, QWidget* parent = nullptr);
    ~Toptmono() override;

    char decimalSeparator() const { return m_separator; }

    // How many recomputes have run since the window was created; tests and
    // benchmarks use it to see whether an event reached the computation.
    long recomputeRuns() const { return m_recomputeRuns; }

    // ---- For design files, exports and the command line --------------------
    // Sets many inputs as one action of the user's: body sets controls, whose
    // handlers run nested as usual; the faults of the states passed on the
    // way are dropped, and a last recompute decides the one error box.
    void setInputsAsOneAction(const std::function<void()>& body);

    // Where faults go instead of an error box (the text the box would show);
    // an empty sink brings the box back.
    void setFaultSink(std::function<void(const QString& message)> sink);

    // The meniscus of the last recompute's design, lengths in metres, taken
    // before the forecast reuses the store.
    struct DesignSection
    {
        bool computed = false; // the design steps ran to their end
        bool failed = false;   // they found no meniscus: the table shows dashes
        double R1 = 0, R2 = 0, CenterThickness = 0, Dm = 0;
        double X1 = 0, Df = 0; // the stop from the front vertex, and its diameter
    };
    const DesignSection& lastDesign() const { return m_lastDesign; }

    // The fault that ended the last recompute's design or forecast steps, as
    // the error box words it; none when they ran to their end. While there
    // is one, that tab's results are those of an earlier recompute.
    const std::optional<QString>& designFault() const { return m_designFault; }
    const std::optional<QString>& forecastFault() const { return m_forecastFault; }
    // ---------------------------------------------------------------------------

    // Sets an edit field's text from the program. A differing text runs the
    // field's change handler at once, nested, as typing does; an equal text
    // runs nothing. A fault of the nested run ends the caller too.
    void setFieldText(QLineEdit* field, const QString& text);

    // Runs body as one user action: whatever faults inside it, nested
    // handlers and recomputes included, at most one error box appears, at the
    // end.
    void runAsOneAction(const std::function<void()>& body);

    // When the real-number fields check what is typed; at every key unless
    // chosen otherwise. Going back to every key takes what waits for Enter.
    void setInputCheck(monocl::InputCheck check);
    monocl::InputCheck inputCheck() const { return m_inputCheck; }

    // Fills NDedit and ABEdit with a catalogue glass's nd and Vd, each
    // through its own handler. maker as in the catalogue or as shown
    // ("LZOS" or "ЛЗОС"), name in Latin or Cyrillic. False, and nothing
    // changed, for a glass the catalogue does not have.
    Q_INVOKABLE bool chooseGlass(const QString& maker, const QString& name);

    // The glass last chosen or named by a design file, while NDedit and
    // ABEdit still hold the values they held then; the line under them
    // names it.
    std::optional<monocl::GlassChoice> chosenGlass() const;

    // The lens of the last recompute's design as the ray check traces it;
    // none when the design found no meniscus.
    const std::optional<monocl::RayLens>& rayLens() const { return m_rayLens; }
    // That lens refined by exact rays to do what the design asked; none when
    // the design found no meniscus. See refineByRays for "not found".
    const std::optional<monocl::RefinedLens>& refinedLens() const;
    void rememberGlass(const std::optional<monocl::GlassChoice>& glass);

signals:
    // After every recompute, whatever it found.
    void recomputed();

public slots:
    // Brings the notes tab or the about tab to the front.
    void showNotes();
    void showAbout();
    // Opens the glass chooser on the present nd and Abbe number.
    void openGlassChooser();

    void FormCreate(QObject* Sender);
    void PageControl1Change(QObject* Sender);

    void FSpinChange(QObject* Sender);
    void ASpinChange(QObject* Sender);
    void OtSpinChange(QObject* Sender);
    void NDeditChange(QObject* Sender);
    void ABEditChange(QObject* Sender);
    void KsfBarChange(QObject* Sender);
    void KxrBarChange(QObject* Sender);
    void Sf1Click(QObject* Sender);
    void Sf2Click(QObject* Sender);
    void Sf3Click(QObject* Sender);
    void fp1Click(QObject* Sender);
    void RB1Click(QObject* Sender);
    void RB2Click(QObject* Sender);

    void ihmChange(QObject* Sender);
    void ihChange(QObject* Sender);
    void idChange(QObject* Sender);
    void iffChange(QObject* Sender);
    void inminChange(QObject* Sender);
    void inmaxChange(QObject* Sender);
    void VminSPChange(QObject* Sender);
    void VmaxSPChange(QObject* Sender);
    void NSpinChange(QObject* Sender);
    void sfp1Click(QObject* Sender);
    void sfp2Click(QObject* Sender);
    void sfp3Click(QObject* Sender);

    // Writes every text anew in the window's language, after the language
    // has changed: captions, tabs, tables and memos. No input, result or
    // selection changes, and no box appears for a fault already told.
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Building the window (window_construction.cpp).
    void createTabs();
    void bindControls();
    void fillAboutPage();
    // Texts written both at construction and on a change of language.
    static QString titleText();
    static QString sphericalBarPrefix();
    static QString chromaticBarPrefix();
    void writeAboutTexts();
    void setNoteTips();
    void connectHandlers();
    void setFocusOrder();

    // Running handlers: faults are caught here, never let through a signal,
    // and shown once the outermost handler has ended.
    void runHandler(const std::function<void()>& body);
    void showFault(const std::exception_ptr& fault);

    // The common course of the eight real-number fields.
    void realFieldChange(QObject* sender, monocl::RealFieldId id);
    void showValue(QLineEdit* field, double value, int decimals);
    // Checking on Enter (typed_input.cpp).
    bool checksOnCommit() const;
    QString whyNotTaken(monocl::RealFieldId id) const;
    monocl::FieldProblem* fieldProblem(monocl::RealFieldId id);
    void clearFieldProblem(monocl::RealFieldId id);
    void realFieldTyped(monocl::RealFieldId id);
    void realFieldCommitted(monocl::RealFieldId id);
    // Greys what an earlier recompute left while the last one faulted.
    void createFaultLines();
    void showFaultState();
    void showForecastWarnings(const monocl::ForecastValues& values);
    void showBarRatio(const monocl::TrackBar* bar, QLabel* label, const QString& prefix);
    void trackBarChange(QObject* sender, monocl::TrackBar* bar, QLabel* label, const QString& prefix);

    // The catalogue's glasses beside the results: the one nearest to the
    // design's glass, and those the measured lens may be made of.
    void showGlassViews();
    void showNearestGlass();
    void showGlassesInRange();

    // The ray check of the design, while its tab is shown (window_rays.cpp).
    void keepRayLens(const monocl::RecomputeLocals& locals);
    void showRayCheck();

    // The recompute's steps.
    monocl::DesignControls readDesignControls() const;
    monocl::ForecastControls readForecastControls() const;
    void recomputeDesign(monocl::RecomputeLocals& locals);
    void recomputeForecast(monocl::RecomputeLocals& locals);
    void LayoutDesignTable();
    void FillDesignTable(const monocl::RecomputeLocals& locals);
    void FillForecastTable(const monocl::ForecastValues& values);
    void writeDesignTableLabels();
    void writeForecastTableLabels();
    void WriteConclusions(const monocl::ForecastValues& values);

    monocl::MonoclState& m_state;
    char m_separator = '.';
    int m_handlerDepth = 0;
    bool m_showingFault = false;
    long m_recomputeRuns = 0;
    std::exception_ptr m_pendingFault;
    bool m_inTabAction = false;
    // Each tab's layout and the controls built from it, for retranslating.
    struct BuiltTab
    {
        QWidget* page;
        const char* title;
        std::span<const monocl::ControlSpec> rows;
        std::vector<QWidget*> controls;
    };
    std::vector<BuiltTab> m_builtTabs;
    QLabel* m_aboutVersion = nullptr;

    // What the sketch was last drawn from.
    struct SketchInputs
    {
        double R1, R2, Dm, FrontSag, RearSag, RearShift;
        std::int32_t DesignFailed;
        int width;
        bool operator==(const SketchInputs&) const = default;
    };
    std::optional<SketchInputs> m_lastSketch;

    // The glass views' last inputs, so they are rebuilt only on a change.
    std::optional<std::pair<double, double>> m_nearestShownFor;
    std::optional<std::array<double, 4>> m_rangeShownFor;
    std::optional<monocl::GlassChoice> m_chosenGlass;
    std::pair<double, double> m_chosenGlassValues;
    // The design the ray check traces; none when the design failed.
    std::optional<monocl::RayLens> m_rayLens;
    monocl::RefineTarget m_refineTarget;
    mutable std::optional<monocl::RefinedLens> m_refinedLens;
    QWidget* m_rayTab = nullptr;
    monocl::RayView* m_rayView = nullptr;

    QPushButton* m_glassButton = nullptr;
    QLabel* m_nearestGlass = nullptr;
    QComboBox* m_glassList = nullptr;

    // The edit fields of the real-number fields, in the order of RealFields.
    std::array<QLineEdit*, monocl::RealFields.size()> m_realEdits{};

    // See setFaultSink and lastDesign.
    std::function<void(const QString&)> m_faultSink;
    DesignSection m_lastDesign;
    std::optional<QString> m_designFault;
    std::optional<QString> m_forecastFault;

    // Checking on Enter: a fault met while typing is kept for Enter.
    monocl::InputCheck m_inputCheck = monocl::InputCheck::EveryKey;
    bool m_quietFaults = false;
    std::exception_ptr m_untoldFault;
    std::array<monocl::FieldProblem*, monocl::RealFields.size()> m_fieldProblems{};
    QLabel* m_designFaultLine = nullptr;
    QLabel* m_forecastWarning = nullptr;

    // The controls, named as the handlers and the recompute address them;
    // from outside, find them by object name.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet3 = nullptr;

    // The design tab: the requirements, then the results.
    monocl::SpinEdit* FSpin = nullptr;
    monocl::SpinEdit* ASpin = nullptr;
    monocl::SpinEdit* OtSpin = nullptr;
    QLineEdit* NDedit = nullptr;
    QLineEdit* ABEdit = nullptr;
    monocl::TrackBar* KsfBar = nullptr;
    monocl::TrackBar* KxrBar = nullptr;
    QLabel* Lksf = nullptr;
    QLabel* LKxr = nullptr;
    // The design's choices.
    QRadioButton* Sf1 = nullptr;
    QRadioButton* Sf2 = nullptr;
    QRadioButton* Sf3 = nullptr;
    QRadioButton* fp1 = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    monocl::CanvasImage* esk = nullptr;
    monocl::StringGrid* MonGrid = nullptr;

    // The forecast tab: the measured lens and the glass range.
    QLabel* Image2 = nullptr;
    QLineEdit* ihm = nullptr;
    QLineEdit* ih = nullptr;
    QLineEdit* id = nullptr;
    QLineEdit* iff = nullptr;
    QLineEdit* inmin = nullptr;
    QLineEdit* inmax = nullptr;
    monocl::SpinEdit* VminSP = nullptr;
    monocl::SpinEdit* VmaxSP = nullptr;
    // The forecast's choices and its results.
    monocl::SpinEdit* NSpin = nullptr;
    QRadioButton* sfp1 = nullptr;
    QRadioButton* sfp2 = nullptr;
    QRadioButton* sfp3 = nullptr;
    QRadioButton* Sfp4 = nullptr;
    monocl::StringGrid* PrognozGrid = nullptr;
    monocl::Memo* vvd = nullptr;
    monocl::Memo* recom = nullptr;

    // The fixed tabs.
    QLabel* Image1 = nullptr;
    monocl::Memo* Memo1 = nullptr;
};

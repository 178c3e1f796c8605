#pragma once

#include "document/monocl_document.h"
#include "ui/window/control_layout.h"
#include "ui/files/glass_table.h"
#include "ui/window/input_check.h"

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
class GlassViews;
class ImageView;
class RayView;
class Memo;
class SpinEdit;
class StringGrid;
class TrackBar;

// The main window: the direct design on the first tab, the forecast on the
// second, notes, the monocle's scheme and an about page on the others. It
// shows a MonoclDocument: every input change goes to the document, whose
// handler ends with the recompute, and the window writes what it found.
class Toptmono : public QWidget
{
    Q_OBJECT

public:
    // When the image tab's view, the about page's texts and the forecast
    // tab's outputs are built: with the window, or when their tab is first
    // shown (or buildHiddenTabs is called), so that a window opening on the
    // design tab paints its first frame sooner.
    enum class HiddenTabs { BuiltAtOnce, BuiltWhenShown };

    // Creates the controls with their initial texts, values and checked
    // states, connects the handlers and runs FormCreate.
    explicit Toptmono(MonoclState& state, QWidget* parent = nullptr,
                      HiddenTabs hiddenTabs = HiddenTabs::BuiltAtOnce);
    ~Toptmono() override;

    char decimalSeparator() const { return m_separator; }

    // The inputs and results the window shows.
    MonoclDocument& document() { return m_document; }
    const MonoclDocument& document() const { return m_document; }

    // How many recomputes have run since the window was created; tests and
    // benchmarks use it to see whether an event reached the computation.
    long recomputeRuns() const { return m_document.recomputeRuns(); }

    // ---- For design files, exports and the command line --------------------
    // Sets many inputs as one action of the user's: body sets controls, whose
    // handlers run nested as usual; the faults of the states passed on the
    // way are dropped, and a last recompute decides the one error box.
    void setInputsAsOneAction(const std::function<void()>& body);

    // Where faults go instead of an error box (the text the box would show);
    // an empty sink brings the box back.
    void setFaultSink(std::function<void(const QString& message)> sink);

    // The meniscus of the last recompute's design.
    const DesignSection& lastDesign() const { return m_document.lastDesign(); }

    // The fault that ended the last recompute's design or forecast steps, as
    // the error box words it; none when they ran to their end. While there
    // is one, that tab's results are those of an earlier recompute.
    std::optional<QString> designFault() const;
    std::optional<QString> forecastFault() const;
    // ---------------------------------------------------------------------------

    // Sets a real-number field's text from the program (other fields are left
    // alone). A differing text runs the field's change handler at once, nested,
    // as typing does; an equal text runs nothing. A fault of the nested run
    // ends the caller too.
    void setFieldText(QLineEdit* field, const QString& text);

    // Runs body as one user action: whatever faults inside it, nested
    // handlers and recomputes included, at most one error box appears, at the
    // end.
    void runAsOneAction(const std::function<void()>& body);

    // When the real-number fields check what is typed; at every key unless
    // chosen otherwise. Going back to every key takes what waits for Enter.
    void setInputCheck(InputCheck check);
    InputCheck inputCheck() const { return m_inputCheck; }

    // Fills NDedit and ABEdit with a catalogue glass's nd and Vd, each
    // through its own handler. maker as in the catalogue or as shown
    // ("LZOS" or "ЛЗОС"), name in Latin or Cyrillic. False, and nothing
    // changed, for a glass the catalogue does not have.
    Q_INVOKABLE bool chooseGlass(const QString& maker, const QString& name);

    // The glass last chosen or named by a design file, while NDedit and
    // ABEdit still hold the values they held then; the line under them
    // names it.
    std::optional<GlassChoice> chosenGlass() const;

    // The lens of the last recompute's design as the ray check traces it;
    // none when the design found no meniscus.
    const std::optional<RayLens>& rayLens() const { return m_document.rayLens(); }
    // That lens refined by exact rays to do what the design asked; none when
    // the design found no meniscus. See refineByRays for "not found".
    const std::optional<RefinedLens>& refinedLens() const { return m_document.refinedLens(); }
    // Names the glass under nd and Vd while they keep their present values
    // (form_glass.cpp); none names the nearest catalogue glass again.
    void rememberGlass(const std::optional<GlassChoice>& glass);

signals:
    // After every recompute, whatever it found.
    void recomputed();

public slots:
    // Brings the notes tab or the about tab to the front.
    void showNotes();
    void showAbout();
    // Measures the glass chooser's columns ahead of its first opening.
    void prepareGlassChooser();
    // Builds the views of the tabs whose building waits for their first
    // showing; nothing when they are built.
    void buildHiddenTabs();

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
    // Each built once, when first asked for (the image view in window_rays.cpp).
    void buildImageView();
    void fillAboutPage();
    // Texts written both at construction and on a change of language.
    static QString titleText();
    static QString sphericalBarPrefix();
    static QString chromaticBarPrefix();
    void writeAboutTexts();
    void setNoteTips();
    void connectHandlers();
    void setFocusOrder();

    // Running handlers: the document catches their faults, and the window
    // tells each once the outermost handler has ended (handler_runs.cpp).
    void runHandler(const std::function<void()>& body);
    void tellFault(const std::exception_ptr& fault);
    void showFault(const std::exception_ptr& fault);

    // Showing the document: its controls' values, and what a recompute
    // found (document_view.cpp).
    void watchDocument();
    void showControls();
    void showOutputs();
    void showForecastOutputs();
    // Writes the forecast tab's outputs that waited for its first showing.
    void showForecastTab();
    void showRecompute();
    void drawSketch(const SketchLens& lens);

    // The real-number fields pass their text to the document.
    void takeFieldText(RealFieldId id);
    // Checking on Enter (typed_input.cpp).
    bool checksOnCommit() const;
    QString whyNotTaken(RealFieldId id) const;
    FieldProblem* fieldProblem(RealFieldId id);
    void clearFieldProblem(RealFieldId id);
    void realFieldTyped(RealFieldId id);
    void realFieldCommitted(RealFieldId id);
    // Greys what an earlier recompute left while the last one faulted.
    void createFaultLines();
    void showFaultState();
    void showBarRatio(BarId bar, QLabel* label, const QString& prefix);

    // The catalogue's glasses beside the results: the one nearest to the
    // design's glass, and those the measured lens may be made of.
    void showGlassViews();

    // The ray check of the design, while its tab is shown (window_rays.cpp).
    void showRayCheck();

    MonoclState& m_state;
    char m_separator = '.';
    MonoclDocument m_document;
    bool m_showingFault = false;
    bool m_silentFaults = false;
    bool m_recomputeUnshown = false;
    bool m_inTabAction = false;
    // While the forecast tab has not been shown in a window whose hidden
    // tabs wait, its table, memos and glass list are not written.
    bool m_forecastViewsWait = false;
    // The controls and outputs as last written into the widgets; none before
    // the first time.
    std::optional<InputControls> m_shownControls;
    // Each tab's layout and the controls built from it, for retranslating.
    struct BuiltTab
    {
        QWidget* page;
        const char* title;
        std::span<const ControlRow> rows;
        std::vector<QWidget*> controls;
    };
    std::vector<BuiltTab> m_builtTabs;
    QLabel* m_aboutVersion = nullptr;

    // What the sketch was last drawn from, and at what width.
    std::optional<std::pair<SketchLens, int>> m_lastSketch;

    QWidget* m_rayTab = nullptr;
    RayView* m_rayView = nullptr;
    QWidget* m_imageTab = nullptr;
    ImageView* m_imageView = nullptr;

    GlassViews* m_glassViews = nullptr;

    // The edit fields of the real-number fields, in the order of RealFields.
    std::array<QLineEdit*, RealFields.size()> m_realEdits{};

    // See setFaultSink.
    std::function<void(const QString&)> m_faultSink;

    // Checking on Enter: a fault met while typing is kept for Enter.
    InputCheck m_inputCheck = InputCheck::EveryKey;
    bool m_quietFaults = false;
    std::exception_ptr m_untoldFault;
    std::array<FieldProblem*, RealFields.size()> m_fieldProblems{};
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
    SpinEdit* FSpin = nullptr;
    SpinEdit* ASpin = nullptr;
    SpinEdit* OtSpin = nullptr;
    QLineEdit* NDedit = nullptr;
    QLineEdit* ABEdit = nullptr;
    TrackBar* KsfBar = nullptr;
    TrackBar* KxrBar = nullptr;
    QLabel* Lksf = nullptr;
    QLabel* LKxr = nullptr;
    // The design's choices.
    QRadioButton* Sf1 = nullptr;
    QRadioButton* Sf2 = nullptr;
    QRadioButton* Sf3 = nullptr;
    QRadioButton* fp1 = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    CanvasImage* esk = nullptr;
    StringGrid* MonGrid = nullptr;

    // The forecast tab: the measured lens and the glass range.
    QLabel* Image2 = nullptr;
    QLineEdit* ihm = nullptr;
    QLineEdit* ih = nullptr;
    QLineEdit* id = nullptr;
    QLineEdit* iff = nullptr;
    QLineEdit* inmin = nullptr;
    QLineEdit* inmax = nullptr;
    SpinEdit* VminSP = nullptr;
    SpinEdit* VmaxSP = nullptr;
    // The forecast's choices and its results.
    SpinEdit* NSpin = nullptr;
    QRadioButton* sfp1 = nullptr;
    QRadioButton* sfp2 = nullptr;
    QRadioButton* sfp3 = nullptr;
    QRadioButton* Sfp4 = nullptr;
    StringGrid* PrognozGrid = nullptr;
    Memo* vvd = nullptr;
    Memo* recom = nullptr;

    // The fixed tabs.
    QLabel* Image1 = nullptr;
    Memo* Memo1 = nullptr;
};

} // namespace monocl

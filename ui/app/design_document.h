#pragma once

#include "ui/files/design_file.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace monocl {

class Toptmono;

struct MonoclState;

// The design file behind a window, and the window's file commands: open,
// save, save as, the exports and printing. The menu actions call the
// functions taking a parent widget: they ask for file names in dialogs and
// tell a failure in a box over the parent. The others do the same work
// without asking or telling.
class DesignDocument : public QObject
{
    Q_OBJECT

public:
    DesignDocument(Toptmono& window, MonoclState& state, QObject* parent = nullptr);

    // The file last opened or saved; empty before.
    QString filePath() const { return m_path; }

    // The glass the design names, from the chooser or the file opened, and
    // written back.
    std::optional<GlassChoice> glass() const;
    void setGlass(const std::optional<GlassChoice>& glass);

    // Whether the inputs (or the glass) differ from the file last opened or
    // saved, or from the start values when there is none.
    bool isModified() const;

    // Reads path and, when it is right, sets the window to it; otherwise
    // nothing changes and *error says why.
    bool load(const QString& path, QString* error);
    // Saves to path, which becomes the document's file.
    bool saveTo(const QString& path, QString* error);

    // The menu's commands. Each returns whether it was done; a cancelled
    // dialog is not done.
    bool open(QWidget* parent);
    bool openFile(const QString& path, QWidget* parent);
    bool save(QWidget* parent);
    bool saveAs(QWidget* parent);
    bool exportCsv(QWidget* parent);
    bool exportSvg(QWidget* parent);
    bool exportReportPdf(QWidget* parent);
    bool exportZemax(QWidget* parent);
    bool exportPrescription(QWidget* parent);
    void print(QWidget* parent);

signals:
    void filePathChanged(const QString& path);

private:
    QString askSavePath(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& suffix) const;
    bool done(bool ok, const QString& error, QWidget* parent) const;
    enum class Export { Csv, Svg, ReportPdf, Zemax, Prescription };
    // Asks where to write, writes, and tells a failure.
    bool exportTo(Export kind, QWidget* parent);
    bool writeExport(Export kind, const QString& path, QString* error) const;
    void setPath(const QString& path);

    Toptmono& m_window;
    MonoclState& m_state;
    QString m_path;
    DesignData m_saved;
};

// Tells a failed file command in the program's error box.
void showFileError(QWidget* parent, const QString& message);

} // namespace monocl

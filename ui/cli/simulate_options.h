#pragma once

#include <QByteArray>
#include <QCommandLineOption>
#include <QString>

#include <optional>

class QCommandLineParser;

namespace monocl {

// --simulate IN OUT with --fnumber N and --focus MM: the photograph of the
// picture IN through the lens, written to OUT (PNG or JPEG by its suffix).
struct SimulateOptions {
    QCommandLineOption simulate;
    QCommandLineOption fNumber;
    QCommandLineOption focus;
};
SimulateOptions addSimulateOptions(QCommandLineParser& parser);

// What --simulate asks for, read and checked before anything is computed.
struct SimulateRequest {
    QString in;
    QString out;
    std::optional<double> fNumber; // the lens's own when none
    std::optional<double> focus;   // mm, the film minus the paraxial image plane; the best focus when none
    QByteArray picture;            // IN's bytes, read at once
};

// The request from the parsed options, OUT being taken from the front of
// the positional arguments; the message of a usage fault otherwise.
std::optional<SimulateRequest> simulateRequest(const QCommandLineParser& parser, const SimulateOptions& options,
                                               QStringList& positional, QString* error);

} // namespace monocl

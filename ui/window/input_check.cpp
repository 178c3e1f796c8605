#include "input_check.h"

#include <QSettings>

namespace monocl {

namespace {

const QString SettingsKey = QStringLiteral("inputCheck");
const QString OnCommitName = QStringLiteral("onCommit");
const QString EveryKeyName = QStringLiteral("everyKey");

} // namespace

InputCheck rememberedInputCheck()
{
    const QSettings settings;
    return settings.value(SettingsKey).toString() == OnCommitName ? InputCheck::OnCommit
                                                                  : InputCheck::EveryKey;
}

void rememberInputCheck(InputCheck check)
{
    QSettings settings;
    settings.setValue(SettingsKey, check == InputCheck::OnCommit ? OnCommitName : EveryKeyName);
}

} // namespace monocl

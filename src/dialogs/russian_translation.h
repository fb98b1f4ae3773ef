#pragma once

class QCoreApplication;

namespace tessary {

/// Installs Qt's own Russian translation (qtbase_ru) so that the standard dialogs speak
/// Russian; false when it is not installed on this machine (texts set by hand still are).
bool InstallRussianTranslation(QCoreApplication& application);

}  // namespace tessary

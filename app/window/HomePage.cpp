#include "HomePage.h"

#include <QtGlobal>

namespace orvex {

QUrl HomePageUrl() {
    const QString configured = qEnvironmentVariable("ORVEX_HOME_PAGE");
    return QUrl(configured.isEmpty() ? QStringLiteral("https://orvex.example.org/") : configured);
}

} // namespace orvex

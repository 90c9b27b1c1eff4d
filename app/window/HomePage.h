#pragma once

#include <QUrl>

namespace orvex {

// The product's home page opened by "Домашняя страница Orvex": https://orvex.example.org/, or the address
// in the environment variable ORVEX_HOME_PAGE when it is set and not empty.
[[nodiscard]] QUrl HomePageUrl();

} // namespace orvex

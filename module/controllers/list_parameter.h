#pragma once

#include <QString>

// Parameter texts of list requests: items in single quotes, a quote inside an
// item doubled, so a typed filter text cannot break the list apart.
namespace ListParameter {

QString quoted(const QString& item);

} // namespace ListParameter

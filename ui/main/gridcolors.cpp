#include "ui/main/gridcolors.h"

#include "ui/platform/look.h"

GridColors GridColors::of(const soccer::ColorScheme &scheme) {
    return {QBrush(platform::toColor(scheme.main)), QBrush(platform::toColor(scheme.second)),
            QBrush(platform::toColor(soccer::kDiagonalColor))};
}

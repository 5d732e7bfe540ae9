#include "installer/controls/button_layout.h"

namespace {

bool withinEnd(int x, int y, int centreX, int r) {
    int dx = x - centreX;
    int dy = y - r;
    return dx * dx + dy * dy <= (r + 1) * (r + 1);
}

}  // namespace

bool insideButtonShape(int width, int height, int x, int y) {
    int r = height / 2;
    return withinEnd(x, y, r, r) || withinEnd(x, y, width - r, r) || (r <= x && x <= width - r);
}

int captionTop(const CaptionLayout& layout, int lines) {
    return (layout.height - 7 - layout.fontHeight - (lines - 1) * (layout.fontHeight + layout.lineGap)) / 2 + 6;
}

int captionLineLeft(const CaptionLayout& layout, int length) {
    return 6 + (layout.width - 8 - length * layout.charWidth) / 2 + layout.textOffset;
}

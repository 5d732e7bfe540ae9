// Scoped GDI objects. A drawing call creates what it needs, selects it, draws,
// selects the previous object again and deletes its own; these do the last two
// steps at the end of the scope, in that order when declared in this order:
//
//     ScopedFont font(createTextFont(...));
//     SelectedObject selectedFont(dc, font);
#pragma once

#include <windows.h>

// A font, pen, brush or bitmap this code created; deleted at the end of the scope.
template <typename Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle) : handle_(handle) {}
    ~ScopedGdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    operator Handle() const { return handle_; }

private:
    Handle handle_;
};

using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

// An object selected into a DC; the one it replaced is selected again at the
// end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with `dc`, holding `bitmap` for the scope; the bitmap
// itself stays its owner's.
class MemoryDc {
public:
    MemoryDc(HDC dc, HBITMAP bitmap) : memory_(CreateCompatibleDC(dc)), previous_(SelectObject(memory_, bitmap)) {}
    ~MemoryDc() {
        SelectObject(memory_, previous_);
        DeleteDC(memory_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    operator HDC() const { return memory_; }

private:
    HDC memory_;
    HGDIOBJ previous_;
};

// Resize layout: per child control, how it follows the parent's size (stretch, move, centre, or
// share a group's growth). The script builds the map at run time; every change re-reads the
// children's current places and the parent's client size.
#pragma once

#include <windows.h>

#include "savra.h"

#include <stdint.h>

#include <vector>

namespace savrawin {

enum ResizeFlags : DWORD {
    SIZE_X = 0x01, SIZE_Y = 0x02, MOVE_X = 0x04, MOVE_Y = 0x08, REPAINT = 0x10, CENTER_X = 0x20, CENTER_Y = 0x40,
    BEGIN_GROUP = 0x1000, END_GROUP = 0x2000, GRIPPER = 0x4000,
};

struct ResizeMapEntry {
    int32_t id; // -1 for group markers and the terminator
    DWORD flags;
};

struct ResizeData {
    int32_t id;
    DWORD flags; // a group's first member carries the member count in bits 16-23
    RECT rect;   // in the parent's client coordinates when the map was applied
};

struct ResizeState {
    ResizeMapEntry *map = nullptr; // ended by {-1, 0}
    int count = 0, capacity = 0;
    bool applied = false;
    std::vector<ResizeData> data;
    SIZE recorded = {0, 0};
    POINT min_track = {-1, -1};
    bool gripper = false;

    void init();
    void release();
    // Appends to the map and applies the whole map to the window's current geometry.
    void add(HWND hwnd, int32_t id, DWORD flags);
    void on_size(HWND hwnd, WPARAM type, LPARAM size);
    void on_get_min_max_info(MINMAXINFO *mmi) const;

private:
    void apply(HWND hwnd, DWORD forced_style);
    void layout(HWND hwnd, int cx, int cy);
    void position(HWND hwnd, const ResizeData &e, const RECT *group, const ResizeData *previous, int cx, int cy);
};

// AddControlResizeFlags, StartResizeGroup and EndResizeGroup: the methods of the classes whose
// objects lay their children out (resize.cpp).
struct MethodTable;
extern const MethodTable resize_methods;

} // namespace savrawin

#pragma once
// Where each key lies on the layout window's keyboard picture, for pointing at keys: the key
// under a point and the character a key shows.
#include <QPointF>
#include <QRectF>

#include "data/key_tables.hpp"
#include "data/types.hpp"
#include "ui/view_geometry.hpp"

namespace antkeys {

// The cell of key k on the picture: one key pitch wide and high, the printed character inside
// it. False for a key the picture has no place for.
bool KeyCell(const KeyGrid& grid, const KeyTables& keys, int k, QRectF& cell);

// The key whose cell holds `p`, 0 for none; a companion (no code of its own) is never named.
int KeyAt(const KeyGrid& grid, const KeyTables& keys, QPointF p);

// The character drawn on top on key k (the highest code from 33 up), -1 when none.
int TopCharOn(const Layout& lay, int k);

}  // namespace antkeys

#pragma once

#include "SourceTables.h"

// The tables of the working database as they are read from another installation's file, with
// their keys and the kinds of their columns.
namespace SourceLayouts {

// spobl, sppor, sklin, kodup, kodst, kodkx, kodkb: the books receiving takes, in its order.
const QList<SourceTableSpec>& referenceBooks();
const SourceTableSpec& districts(); // kodra
const SourceTableSpec& farms();     // kodxoz
const SourceTableSpec& settings();  // k1obl
const SourceTableSpec& reportTable(int table); // tmjs1 … tmjs9, keyed by the title

} // namespace SourceLayouts

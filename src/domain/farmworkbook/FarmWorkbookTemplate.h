#pragma once

class Workbook;

// The farm workbook before any value is written ("stavor"): the sheets "table1" … "table9",
// each laid out like its paper form (title captions, heading, column and row captions, ruled
// value cells) around the cells of farmSheetMap.
Workbook makeFarmTemplate();

#pragma once

#include "domain/tables/TableDefinition.h"

#include <QWidget>

// A picture area of a table page: the header grid or row captions drawn in black on white.
class PaintedPictureWidget : public QWidget {
public:
    PaintedPictureWidget(const PaintedPicture& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PaintedPicture& picture_;
};

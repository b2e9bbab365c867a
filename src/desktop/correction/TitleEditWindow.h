#pragma once

#include "domain/correction/StoredTitles.h"

#include <QDialog>

class QComboBox;
class QLabel;
class Database;

// Title editing: moves a stored row (selector 1 to 9) or all nine tables of a title (selector 0) to
// a new title chosen by names. The window stays open after saving; its old title stays as opened.
class TitleEditWindow : public QDialog {
    Q_OBJECT
public:
    TitleEditWindow(Database& data, QWidget* parent = nullptr);

    // Shows the old title, presets the choices to it and opens the window (window-modal).
    void openOn(const NamedTitle& old, int selector);

private:
    QWidget* buildOldSide();
    QWidget* buildNewSide();
    QWidget* buildButtons();
    void cbRegionChange();
    void cbRajonChange();
    // Cancel and opening: every choice back to the old title.
    void showOldTitle();
    void sbSaveClick();

    Database& data_;
    NamedTitle old_;
    int selector_ = 0;
    QList<QLabel*> oldLabels_; // region, district, farm, category, breed, year
    QComboBox* cbRegion_ = nullptr;
    QComboBox* cbRajon_ = nullptr;
    QComboBox* cbXoz_ = nullptr;
    QComboBox* cbKatXoz_ = nullptr;
    QComboBox* cbKodPor_ = nullptr;
    QComboBox* cbYear_ = nullptr;
};

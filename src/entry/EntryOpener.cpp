#include "EntryOpener.h"

#include "UnitTable.h"
#include "app/UnitMain.h"

#include <QPointer>
#include <memory>

std::function<void()> entryOpener(TDataMdl& data, TFormMain& main) {
    // The window is a child of the main window, which deletes it at the end of the run.
    auto window = std::make_shared<QPointer<TFormTable>>();
    return [&data, &main, window] {
        if (!*window)
            *window = new TFormTable(data, &main);
        (*window)->openFor({main.districtName(), main.farmName(), main.categoryName(), main.breedName()});
    };
}

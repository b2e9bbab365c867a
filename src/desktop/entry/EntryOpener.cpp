#include "EntryOpener.h"

#include "EntryWindow.h"
#include "desktop/MainWindow.h"

#include <QPointer>
#include <memory>

std::function<void()> entryOpener(Database& data, MainWindow& main) {
    // The window is a child of the main window, which deletes it at the end of the run.
    auto window = std::make_shared<QPointer<EntryWindow>>();
    return [&data, &main, window] {
        if (!*window)
            *window = new EntryWindow(data, main.session(), &main);
        (*window)->openFor({main.districtName(), main.farmName(), main.categoryName(), main.breedName()});
    };
}

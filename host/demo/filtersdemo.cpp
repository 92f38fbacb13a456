#include "filtersdemo.h"

#include "demoexports.h"
#include "framedemo.h"
#include "sectionfile.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_filters.h>

#include <QApplication>
#include <QCheckBox>
#include <QWidget>

#include <cstdio>
#include <fstream>

namespace demo {

namespace {

// What an engine's file holds: other settings, then the filters behind their tag line.
const char kHostFile[] = "[settings]\n"
                         "speed=fast\n"
                         "[EventFilters]\n"
                         "<doc><file_filter_data><module_filters>"
                         "<filter><name>Kernel modules</name><is_active>1</is_active>"
                         "<event_type>Module Load</event_type><module_name>*.ko</module_name>"
                         "<is_regex>0</is_regex><all_processes>1</all_processes></filter>"
                         "<filter><name>Workers</name><is_active>0</is_active>"
                         "<event_type>Thread Start</event_type><process_name>server</process_name>"
                         "<all_modules>1</all_modules></filter>"
                         "</module_filters></file_filter_data></doc>\n";

std::string g_filterFile;

} // namespace

void runFiltersDemo(void *library, const std::string &home, const std::string &screenshotDir)
{
    const auto load = DEMO_RESOLVE(library, CuiFilters_Load);
    const auto setDefault = DEMO_RESOLVE(library, CuiFilters_SetDefault);
    const auto getFilter = DEMO_RESOLVE(library, CuiFilters_GetModuleFilter);
    const auto createDialog = DEMO_RESOLVE(library, CuiFilters_ModuleFilterDlgCreate);
    const auto deleteObject = DEMO_RESOLVE(library, CuiDeleteObject);

    const std::string engineFile = home + "/engine.ini";
    g_filterFile = home + "/filters.ini";
    std::ofstream(engineFile) << kHostFile;
    Why why;
    // The user's filters as the last run stored them; at the first start, the engine's.
    if (!regularOrAbsent(g_filterFile, &why)) {
        std::printf("host: the filters of the last run are left alone: %s\n", why.c_str());
        std::printf("host: filters loaded from the engine's file: %d\n",
                    load(engineFile.c_str(), "eventfilters"));
    } else if (load(g_filterFile.c_str(), "EventFilters")) {
        std::printf("host: filters loaded from the last run's file\n");
    } else {
        std::printf("host: filters loaded from the engine's file: %d\n",
                    load(engineFile.c_str(), "eventfilters"));
        // Stored at once, so that the filters come back from a file of the demo's own even
        // when this run ends before the user changes them.
        storeFilters(library);
        setDefault();
        std::printf("host: filters loaded back: %d\n", load(g_filterFile.c_str(), "EventFilters"));
    }
    for (int i = 0;; ++i) {
        ModuleFilterRecord r;
        if (!getFilter(i, &r, int(sizeof r)))
            break;
        std::printf("host: filter %d \"%s\" (%s, %s): process \"%s\"%s, module \"%s\"%s\n", i,
                    r.name, r.event_type, r.is_active ? "active" : "inactive", r.process_name,
                    r.all_processes ? " (any)" : "", r.module_name, r.all_modules ? " (any)" : "");
    }

    const TeskHandle dialog = createDialog(0, "");
    std::printf("host: event configuration dialog %s\n", dialog ? "created" : "MISSING");
    // The handle is a number of the library's; the dialog itself is found among the windows.
    QWidget *widget = nullptr;
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (qstrcmp(topLevel->metaObject()->className(), "ModuleFilterDlg") == 0)
            widget = topLevel;
    }
    // The picture shows capturing on, the list in use; the dialog is not accepted, so the
    // host's switch stays as it was.
    if (auto *master =
            widget ? widget->findChild<QCheckBox *>(QStringLiteral("checkMaster")) : nullptr) {
        if (!master->isChecked())
            master->click();
        std::printf("host: capturing shown %s\n", master->isChecked() ? "on" : "off");
    }
    if (dialog)
        saveScreenshot(widget, screenshotDir, "eventconfig.png");
    deleteObject(reinterpret_cast<void *>(dialog));
}

bool storeFilters(void *library)
{
    if (g_filterFile.empty())
        return false;
    Why why;
    if (!storeSection(g_filterFile, "EventFilters", DEMO_RESOLVE(library, CuiFilters_Store),
                      &why)) {
        std::printf("host: the filters could not be stored: %s\n", why.c_str());
        return false;
    }
    std::printf("host: filters stored in %s\n", g_filterFile.c_str());
    return true;
}

} // namespace demo

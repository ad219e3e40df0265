#include "window/features.h"

#include "window/data/table_clipboard.h"
#include "window/data/table_files.h"
#include "window/fitting/band_layer.h"
#include "window/fitting/best_fit.h"
#include "window/fitting/data_start_entry.h"
#include "window/fitting/error_map.h"
#include "window/fitting/residuals.h"
#include "window/graph/graph_menu.h"
#include "window/graph/graph_view.h"
#include "window/graph/log_note.h"

namespace ajuste {

void addFeatures(Form1& form)
{
    auto* files = new TableFiles(form);
    new TableClipboard(form, files->actions());
    auto* graphMenu = new GraphMenu(form);
    auto* bestFit = new BestFit(form, *graphMenu);
    new DataStartEntry(form, *graphMenu);
    new ErrorMap(form, *graphMenu, *bestFit);
    new Residuals(form, *graphMenu, *bestFit);
    new BandLayer(form, *graphMenu, *bestFit);
    new GraphView(form, *graphMenu);
    new LogNote(form);
}

} // namespace ajuste

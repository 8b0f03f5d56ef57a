#include "tray_menu/illumination.h"

#include "app/meter_app.h"
#include "app/move_needle.h"
#include "render/dial_surface.h"
#include "tray_menu/menu_frm.h"

namespace dorv {

void SetIllumination(MeterApp& app) {
    bool lit = app.settings.Illumination;
    SetMenuChecked(app, MenuItemId::MNU_M_I, lit);
    // The clock item's mark, not the mode field, picks the face.
    bool clock = IsMenuChecked(app, MenuItemId::MNU_M_L);
    if (lit)
        ShowFace(app, clock ? DialFace::ClockLit : DialFace::MeterLit);
    else
        ShowFace(app, clock ? DialFace::Clock : DialFace::Meter);
    app.activeColours = SelectActiveColours(app.settings);
    app.meter.Label1.colour = SelectTextColour(app.settings);
    app.meter.Label2.colour = SelectTextColour(app.settings);
    RefreshLabels(app);
    MoveNeedle(app, app.ShownValue);
}

}  // namespace dorv

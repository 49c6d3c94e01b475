#pragma once

struct AppContext;
class Frm1;

// The test launch of the main window's AAS, APS and MAC_R buttons.
namespace TestLaunch {
void launch(AppContext& context, Frm1& main, int scaleNumber);
} // namespace TestLaunch

#pragma once
// The one place that knows every subsystem's windows: it calls each install function in turn.

namespace suimei {

class AppraisalBackend;
class Tmenufrm;
struct Workbench;

// Attaches the windows and pages of every subsystem to the main window. `bench.host` and
// `bench.registry` are those of `mainWindow`.
void installSubsystems(Tmenufrm& mainWindow, AppraisalBackend& backend, const Workbench& bench);

}  // namespace suimei

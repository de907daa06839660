// The floor programs' captions, by which the driver finds their windows. Their
// size, styles, fonts and the trainer they read are the companion's own
// constants, so that each floor costs what the platform alone costs for the
// same work.
#pragma once

namespace perf {

constexpr char BARE_DIALOG_CAPTION[] = "Sorvane floor - bare dialog";
constexpr char BARE_POLLER_CAPTION[] = "Sorvane floor - bare poller";
constexpr char EDIT_FILL_CAPTION[] = "Sorvane floor - edit fill";

} // namespace perf

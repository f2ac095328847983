#pragma once

class CVModel;

// Start-up of the model, the same for the terminal program and the command line: the lists whose
// record classes live above the model (the scheduled transactions, the institutions) and the
// report object get their makers. Call before the model loads.
namespace startup {

void WireModel(CVModel& model);

}  // namespace startup

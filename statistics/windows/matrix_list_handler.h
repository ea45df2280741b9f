#pragma once

namespace fortunara {

class Sestine;

// Tab 5: "SISTEMI" lists the library's matrices for the quantity in `Textbox1` into `List6`, in
// place of the outcome list, and enables "RIDOTTI" and "ESCI"; a click on an item opens the check
// window on that matrix.
void ConnectMatrixList(Sestine& window);

}  // namespace fortunara

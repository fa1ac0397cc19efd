#pragma once

class QComboBox;

namespace korvane {

// A list whose choice is stored (and sent to the ECU) as it is made: a turn of the mouse wheel
// over it while it is closed changes nothing. Only a click or a key chooses an entry.
void quietwheel(QComboBox *list);

} // namespace korvane

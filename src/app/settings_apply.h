#pragma once
// OK and Apply: the dialog's values become settings and reach the running meter at once.

namespace dorv {

struct MeterApp;
struct SettingForm;

// Writes the settings record step by step from the form and pushes each change into the meter. The
// working colour table takes the shown swatches. meter.ini is written only at exit.
void ApplySettingForm(MeterApp& app, SettingForm& form);

}  // namespace dorv

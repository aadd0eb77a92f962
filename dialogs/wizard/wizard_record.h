// The current ChartRecord as the New Chart wizard prepares and fills it.
#pragma once

#include "dialogs/wizard/wizard_checks.h"

namespace orrery::wizard {

enum WizardMode : int { ModeNew = 1, ModeEdit = 2 };

// Mode 1: a zero record with the wizard's starting place (United Kingdom,
// "-Unknown City-", 51° 29' N, 0° 00' E, both corrections "+"). Mode 2: the
// natal chart (slot 0), the one the edit will replace.
void PrepareRecord(int mode);

// What each page leaves in the current record once its checks passed.
// Names have their spaces normalised and are cut to the record's limits:
// the chart's name to 31 characters, country and state to 47, city to 64.
void StoreNameFields(const WizardInput& in);
void StorePlaceFields(const WizardInput& in);
// The zone and daylight-saving corrections and the position correction;
// with local time the zone becomes 0:00 "+".
void StoreCorrectionFields(const WizardInput& in);

// The typed latitude and longitude with their hemispheres, and the typed
// position correction (distance, unit, direction), written into r: what
// the pages store and what the checks move by the correction.
void WriteCoordinates(const WizardInput& in, ChartRecord& r);
void WritePositionCorrection(const WizardInput& in, ChartRecord& r);

}  // namespace orrery::wizard

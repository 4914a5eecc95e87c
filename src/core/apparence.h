#pragma once

#include "core/records.h"

namespace talvex {

class TAccesDonneesuite;

// The tint a user's appearance row stores: droit1 holds the saturation, droit2 the hue offset.
struct TeinteEnregistree
{
    int saturation = 0;
    int teinte = 0;
};

// Reads the two whole numbers of the row; EConvertError, in French, for a value that is not one.
TeinteEnregistree lireTeinte(const TConfig_usr& configuration);

// Stores the user's look: updates the user's row, or creates it with the skin name and
// the tint when the user has none. True when the row was written.
bool enregistrerApparence(const TAccesDonneesuite& acces, const TConfig_usr& configuration);

} // namespace talvex

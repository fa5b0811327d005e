// Prints the book's clips, one a line: the clip name, a tab, and the English name of the animal
// whose button plays it (nothing for the start screen's soundtrack). The demo installation is
// generated from this list, so that it always follows the catalogue.
#include "catalogue.h"

#include <iostream>

namespace cat = tivak::catalogue;

int main()
{
    std::cout << cat::introClip() << "\t\n";
    for (int page = 1; page <= cat::pageCount; ++page)
        for (const cat::HotspotEntry &hotspot : cat::hotspots(page))
            std::cout << hotspot.clip << '\t' << hotspot.animal << '\n';
    return std::cout ? 0 : 1;
}

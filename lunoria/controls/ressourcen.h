#pragma once

namespace lunoria {

// Makes the controls' pictures available. They live in this static library's resources, which
// the linker keeps only when something refers to them; every control calls this first.
void SteuerRessourcenLaden();

}  // namespace lunoria

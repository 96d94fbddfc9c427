#include "AssetWriter.h"
#include "Generators.h"

void generateCharacters(AssetContext&)
{
}

#include "AssetWriter.h"
#include "Generators.h"

void generateWorld(AssetContext&)
{
}

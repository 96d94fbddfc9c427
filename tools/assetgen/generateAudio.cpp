#include "AssetWriter.h"
#include "Generators.h"

void generateAudio(AssetContext&)
{
}

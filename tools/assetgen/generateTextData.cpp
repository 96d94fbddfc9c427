#include "AssetWriter.h"
#include "Generators.h"

void generateTextData(AssetContext&)
{
}

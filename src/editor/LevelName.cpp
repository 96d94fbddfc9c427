#include "editor/LevelName.h"

#include "level/CustomLevelList.h"

#include <algorithm>
#include <cctype>

namespace {

std::string upperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isReservedDeviceName(const std::string& name)
{
    const std::string upper = upperCase(name);
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL")
        return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

bool isNameCharacter(unsigned codePoint)
{
    return (codePoint >= 'A' && codePoint <= 'Z') || (codePoint >= 'a' && codePoint <= 'z') ||
           (codePoint >= '0' && codePoint <= '9') || codePoint == '-' || codePoint == '_';
}

std::string levelNameProblem(const std::string& name)
{
    if (name.empty())
        return "Type a name first";
    if (name.size() > maxLevelNameLength)
        return "A name has at most 30 characters";
    if (!std::all_of(name.begin(), name.end(), [](unsigned char c) { return isNameCharacter(c); }))
        return "A name uses only letters, digits, - and _";
    if (isReservedDeviceName(name))
        return upperCase(name) + " is kept by the system: choose another name";
    return "";
}

std::string typedCharacterProblem(unsigned codePoint, std::size_t nameLength)
{
    if (!isNameCharacter(codePoint))
        return "A name uses only letters, digits, - and _";
    if (nameLength >= maxLevelNameLength)
        return "A name has at most 30 characters";
    return "";
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && upperCase(a) == upperCase(b);
}

std::string customFolderOf(const std::string& name)
{
    return customLevelFolder + name;
}

std::string sectionFileOf(const std::string& name, int i)
{
    return customFolderOf(name) + "/Map" + std::to_string(i) + ".txt";
}

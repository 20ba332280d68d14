#include "EntryPath.h"

#include <string.h>

/* ".." climbs; Windows also drops trailing dots and blanks, so ".. " and "..." climb there as well. */
static int ClimbsOut(const char* component, size_t length) {
    size_t dots = 0;
    for (size_t i = 0; i < length; ++i) {
        if (component[i] == '.')
            ++dots;
        else if (component[i] != ' ')
            return 0;
    }
    return dots >= 2;
}

static int HasDriveLetter(const char* name) {
    char first = name[0];
    return ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) && name[1] == ':';
}

static int IsUnsafe(const char* name) {
    if (name[0] == '\0' || name[0] == '/' || HasDriveLetter(name))
        return 1;
    for (const char* component = name; *component;) {
        const char* end = strchr(component, '/');
        size_t length = end ? (size_t)(end - component) : strlen(component);
        if (ClimbsOut(component, length))
            return 1;
        component += length + (end ? 1 : 0);
    }
    return 0;
}

EntryPathKind EntryPath_Build(const char* target, const char* name, char* path, size_t* nameStart) {
    size_t prefix = target ? strlen(target) + 1 : 0;
    size_t length = strlen(name);
    if (prefix + length + 1 > ENTRY_PATH_MAX)
        return ENTRY_PATH_TOO_LONG;
    if (target) {
        memcpy(path, target, prefix - 1);
        path[prefix - 1] = '/';
    }
    for (size_t i = 0; i <= length; ++i)
        path[prefix + i] = name[i] == '\\' ? '/' : name[i];
    *nameStart = prefix;
    if (IsUnsafe(path + prefix))
        return ENTRY_PATH_UNSAFE;
    if (length && path[prefix + length - 1] == '/') {
        path[prefix + length - 1] = '\0';
        return path[prefix] ? ENTRY_PATH_FOLDER : ENTRY_PATH_UNSAFE;
    }
    return ENTRY_PATH_FILE;
}

#include "linux_program/gnome/wallpaper/gsettings_wallpaper.h"

#include <gio/gio.h>

#include <string>

namespace altostrat {
namespace {

// The schema of that name, or null; a new reference.
GSettingsSchema* LookUpSchema(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source == nullptr ? nullptr : g_settings_schema_source_lookup(source, id, TRUE);
}

// One key's value as GVariant text; empty when the schema has no such key.
std::string KeyText(GSettings* settings, GSettingsSchema* schema, const char* key) {
    if (!g_settings_schema_has_key(schema, key)) {
        return "";
    }
    GVariant* value = g_settings_get_value(settings, key);
    gchar* text = g_variant_print(value, FALSE);
    std::string result = text;
    g_free(text);
    g_variant_unref(value);
    return result;
}

}  // namespace

std::optional<WallpaperTexts> ReadGnomeWallpaperTexts() {
    GSettingsSchema* background = LookUpSchema("org.gnome.desktop.background");
    if (background == nullptr) {
        return std::nullopt;
    }
    WallpaperTexts texts;
    GSettings* settings = g_settings_new_full(background, nullptr, nullptr);
    texts.pictureUri = KeyText(settings, background, "picture-uri");
    texts.pictureUriDark = KeyText(settings, background, "picture-uri-dark");
    texts.pictureOptions = KeyText(settings, background, "picture-options");
    texts.primaryColor = KeyText(settings, background, "primary-color");
    g_object_unref(settings);
    g_settings_schema_unref(background);

    GSettingsSchema* interface = LookUpSchema("org.gnome.desktop.interface");
    if (interface != nullptr) {
        settings = g_settings_new_full(interface, nullptr, nullptr);
        texts.colorScheme = KeyText(settings, interface, "color-scheme");
        g_object_unref(settings);
        g_settings_schema_unref(interface);
    }
    return texts;
}

}  // namespace altostrat

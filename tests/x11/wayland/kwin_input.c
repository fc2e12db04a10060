/* kwin_input FILE: a mouse and keyboard for KWin, made with KDE's fake input protocol (which
 * KWin offers to a trusted program, or to every program when it runs with
 * KWIN_WAYLAND_NO_PERMISSION_CHECKS=1, as the KWin scenario starts it). Each line read from FILE
 * (a pipe) is one input: "move" moves the pointer 40 pixels right and back, "key" presses and
 * releases Shift. Each reaches the compositor as a real device's would: it ends the user's idle
 * time, and it goes to the surface that has the keyboard or the pointer. No packaged tool types
 * into a headless KWin.
 *
 * The protocol's one interface is declared here by its requests' wire signatures, in the
 * protocol's order, so that no generated code is needed; only the requests used are sent. */
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

static const struct wl_interface* no_types[] = {NULL, NULL, NULL};
static const struct wl_message fake_input_requests[] = {
    {"authenticate", "ss", no_types},  {"pointer_motion", "ff", no_types},
    {"button", "uu", no_types},        {"axis", "uf", no_types},
    {"touch_down", "2uff", no_types},  {"touch_motion", "2uff", no_types},
    {"touch_up", "2u", no_types},      {"touch_cancel", "2", no_types},
    {"touch_frame", "2", no_types},    {"pointer_motion_absolute", "3ff", no_types},
    {"keyboard_key", "4uu", no_types},
};
static const struct wl_interface fake_input_interface = {"org_kde_kwin_fake_input", 4, 11,
                                                         fake_input_requests,       0, NULL};

enum { AUTHENTICATE = 0, POINTER_MOTION = 1, KEYBOARD_KEY = 10 };

static struct wl_proxy* fake_input;

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    if (strcmp(interface, fake_input_interface.name) == 0 && version >= 4) {
        fake_input = wl_registry_bind(registry, name, &fake_input_interface, 4);
    }
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: kwin_input FILE\n");
        return 2;
    }
    FILE* input = fopen(argv[1], "r");
    struct wl_display* display = wl_display_connect(NULL);
    if (input == NULL || display == NULL) {
        fprintf(stderr, "kwin_input: cannot read %s or reach the compositor\n", argv[1]);
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (fake_input == NULL) {
        fprintf(stderr, "kwin_input: the compositor offers no fake input (version 4)\n");
        return 1;
    }
    wl_proxy_marshal(fake_input, AUTHENTICATE, "altostrat tests", "the idle scenario");
    wl_display_roundtrip(display);
    char line[32];
    while (fgets(line, sizeof line, input) != NULL) {
        if (strncmp(line, "move", 4) == 0) {
            wl_proxy_marshal(fake_input, POINTER_MOTION, wl_fixed_from_int(40), 0);
            wl_display_roundtrip(display);
            wl_proxy_marshal(fake_input, POINTER_MOTION, wl_fixed_from_int(-40), 0);
        } else if (strncmp(line, "key", 3) == 0) {
            wl_proxy_marshal(fake_input, KEYBOARD_KEY, (uint32_t)KEY_LEFTSHIFT, 1u);
            wl_display_roundtrip(display);
            wl_proxy_marshal(fake_input, KEYBOARD_KEY, (uint32_t)KEY_LEFTSHIFT, 0u);
        }
        wl_display_roundtrip(display);
    }
    wl_proxy_destroy(fake_input);
    wl_display_disconnect(display);
    fclose(input);
    return 0;
}

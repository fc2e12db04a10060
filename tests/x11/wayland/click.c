/* click WIDTH HEIGHT FILE: a mouse for a WIDTH x HEIGHT output of a Wayland compositor, made with
 * the wlroots virtual pointer protocol (which sway offers), so that its clicks reach windows as
 * a real mouse's do. It is made at once and kept: a compositor and XWayland take up a new
 * device in their own time. Each line "X Y" read from FILE (a pipe) is one click of the left
 * button at (X, Y); the mouse goes at the end of the file. The sway scenario uses it: no
 * packaged tool clicks under a headless sway.
 *
 * The protocol's two interfaces are declared here by their requests' wire signatures, in the
 * protocol's order, so that no generated code is needed; only the requests used are sent. */
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

extern const struct wl_interface virtual_pointer_interface;

static const struct wl_interface* manager_types[] = {&wl_seat_interface,
                                                     &virtual_pointer_interface};
static const struct wl_message manager_requests[] = {
    {"create_virtual_pointer", "?on", manager_types},
};
static const struct wl_interface manager_interface = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, manager_requests, 0, NULL};

static const struct wl_interface* no_types[] = {NULL, NULL, NULL, NULL, NULL};
static const struct wl_message pointer_requests[] = {
    {"motion", "uff", no_types},   {"motion_absolute", "uuuuu", no_types},
    {"button", "uuu", no_types},   {"axis", "uuf", no_types},
    {"frame", "", no_types},       {"axis_source", "u", no_types},
    {"axis_stop", "uu", no_types}, {"axis_discrete", "uufi", no_types},
    {"destroy", "", no_types},
};
const struct wl_interface virtual_pointer_interface = {"zwlr_virtual_pointer_v1", 1, 9,
                                                       pointer_requests,          0, NULL};

enum { MOTION_ABSOLUTE = 1, BUTTON = 2, FRAME = 4, DESTROY = 8 };

static struct wl_proxy* manager;
static struct wl_seat* seat;

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, manager_interface.name) == 0) {
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
    } else if (strcmp(interface, "wl_seat") == 0 && seat == NULL) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    }
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static void click(struct wl_display* display, struct wl_proxy* pointer, uint32_t x, uint32_t y,
                  uint32_t width, uint32_t height, uint32_t* time) {
    /* A move onto the point from beside it: a compositor finds the window under the pointer
     * when the pointer moves, and one that appeared under a resting pointer gets no click. */
    wl_proxy_marshal(pointer, MOTION_ABSOLUTE, *time, x > 0 ? x - 1 : x + 1, y, width, height);
    wl_proxy_marshal(pointer, FRAME);
    *time += 10;
    wl_proxy_marshal(pointer, MOTION_ABSOLUTE, *time, x, y, width, height);
    wl_proxy_marshal(pointer, FRAME);
    wl_display_roundtrip(display);
    *time += 20;
    wl_proxy_marshal(pointer, BUTTON, *time, (uint32_t)BTN_LEFT,
                     (uint32_t)WL_POINTER_BUTTON_STATE_PRESSED);
    wl_proxy_marshal(pointer, FRAME);
    wl_display_roundtrip(display);
    *time += 50;
    wl_proxy_marshal(pointer, BUTTON, *time, (uint32_t)BTN_LEFT,
                     (uint32_t)WL_POINTER_BUTTON_STATE_RELEASED);
    wl_proxy_marshal(pointer, FRAME);
    wl_display_roundtrip(display);
    *time += 20;
}

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: click WIDTH HEIGHT FILE\n");
        return 2;
    }
    FILE* input = fopen(argv[3], "r");
    if (input == NULL) {
        fprintf(stderr, "click: cannot read %s\n", argv[3]);
        return 1;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]), height = (uint32_t)atoi(argv[2]);
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "click: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "click: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct wl_proxy* pointer =
        wl_proxy_marshal_constructor(manager, 0, &virtual_pointer_interface, seat, NULL);
    wl_display_roundtrip(display);
    uint32_t time = 0;
    unsigned x = 0, y = 0;
    while (fscanf(input, "%u %u", &x, &y) == 2) {
        click(display, pointer, x, y, width, height, &time);
    }
    wl_proxy_marshal(pointer, DESTROY);
    wl_proxy_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    fclose(input);
    return 0;
}

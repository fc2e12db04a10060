#!/usr/bin/env python3
"""What the GNOME scenario asks of the session's bus, as the session's user.

  shot FILE            the session's picture through org.gnome.Shell.Screenshot, which the
                       shell grants to the owner of org.gnome.Screenshot (taken here first)
  input FIFO           a remote-desktop session (org.gnome.Mutter.RemoteDesktop) held on one
                       connection, as Mutter wants; each line read from FIFO is "key KEYSYM"
                       (pressed and released) or "move": input that GNOME counts as the
                       user's, ending the idle time (XTEST into XWayland does not)
  stand-ins LOG        what the headless shell runs without, as their interfaces are documented:
                       org.gnome.SessionManager (gnome-session's) with Inhibit, Uninhibit,
                       IsInhibited and the InhibitorAdded / InhibitorRemoved signals, each
                       IsInhibited answer appended to LOG; unlike gnome-session it keeps an
                       inhibitor when its caller leaves, so a one-off gdbus call can hold the idle
                       back. And org.gnome.ScreenSaver (the lock screen, which this shell does not
                       offer) with GetActive, Lock and SetActive, and the ActiveChanged signal.
"""
import sys

from gi.repository import Gio, GLib


def bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION, None)


def own(connection, name):
    """Owns NAME on CONNECTION, waiting for the bus's answer."""
    loop = GLib.MainLoop()
    result = {}

    def acquired(*_):
        result["owned"] = True
        loop.quit()

    def lost(*_):
        result["owned"] = False
        loop.quit()

    Gio.bus_own_name_on_connection(connection, name, Gio.BusNameOwnerFlags.NONE, acquired, lost)
    loop.run()
    if not result["owned"]:
        sys.exit("cannot own " + name)


def shot(path):
    connection = bus()
    own(connection, "org.gnome.Screenshot")
    reply = connection.call_sync(
        "org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
        "org.gnome.Shell.Screenshot", "Screenshot", GLib.Variant("(bbs)", (False, False, path)),
        GLib.VariantType("(bs)"), Gio.DBusCallFlags.NONE, 20000, None)
    if not reply.unpack()[0]:
        sys.exit("the shell took no picture")


def call(connection, path, interface, method, parameters=None, reply=None):
    return connection.call_sync(
        "org.gnome.Mutter.RemoteDesktop", path, interface, method, parameters,
        GLib.VariantType(reply) if reply else None, Gio.DBusCallFlags.NONE, 10000, None)


def remote_input(fifo):
    connection = bus()
    session = call(connection, "/org/gnome/Mutter/RemoteDesktop",
                   "org.gnome.Mutter.RemoteDesktop", "CreateSession", None, "(o)").unpack()[0]
    interface = "org.gnome.Mutter.RemoteDesktop.Session"
    call(connection, session, interface, "Start")
    print("ready", flush=True)
    with open(fifo) as lines:
        for line in lines:
            words = line.split()
            if words[:1] == ["key"]:
                keysym = int(words[1], 0)
                for pressed in (True, False):
                    call(connection, session, interface, "NotifyKeyboardKeysym",
                         GLib.Variant("(ub)", (keysym, pressed)))
            elif words[:1] == ["move"]:
                call(connection, session, interface, "NotifyPointerMotionRelative",
                     GLib.Variant("(dd)", (5.0, 3.0)))
            print("done", line.strip(), flush=True)
    call(connection, session, interface, "Stop")


SESSION_MANAGER_XML = """
<node>
  <interface name="org.gnome.SessionManager">
    <method name="Inhibit">
      <arg type="s" name="app_id" direction="in"/>
      <arg type="u" name="toplevel_xid" direction="in"/>
      <arg type="s" name="reason" direction="in"/>
      <arg type="u" name="flags" direction="in"/>
      <arg type="u" name="inhibit_cookie" direction="out"/>
    </method>
    <method name="Uninhibit">
      <arg type="u" name="inhibit_cookie" direction="in"/>
    </method>
    <method name="IsInhibited">
      <arg type="u" name="flags" direction="in"/>
      <arg type="b" name="is_inhibited" direction="out"/>
    </method>
    <signal name="InhibitorAdded"><arg name="id" type="o"/></signal>
    <signal name="InhibitorRemoved"><arg name="id" type="o"/></signal>
  </interface>
</node>
"""


SCREENSAVER_XML = """
<node>
  <interface name="org.gnome.ScreenSaver">
    <method name="Lock"/>
    <method name="GetActive"><arg type="b" name="active" direction="out"/></method>
    <method name="SetActive"><arg type="b" name="value" direction="in"/></method>
    <signal name="ActiveChanged"><arg name="new_value" type="b"/></signal>
  </interface>
</node>
"""


def stand_ins(log):
    connection = bus()
    inhibitors = {}  # cookie: flags
    manager_path = "/org/gnome/SessionManager"

    def inhibitor_signal(name, cookie):
        connection.emit_signal(None, manager_path, "org.gnome.SessionManager", name,
                               GLib.Variant("(o)", ("%s/Inhibitor%d" % (manager_path, cookie),)))

    def manager(_connection, _sender, _path, _interface, name, parameters, invocation):
        if name == "Inhibit":
            cookie = 1
            while cookie in inhibitors:
                cookie += 1
            inhibitors[cookie] = parameters.unpack()[3]
            invocation.return_value(GLib.Variant("(u)", (cookie,)))
            inhibitor_signal("InhibitorAdded", cookie)
        elif name == "Uninhibit":
            cookie = parameters.unpack()[0]
            inhibitors.pop(cookie, None)
            invocation.return_value(None)
            inhibitor_signal("InhibitorRemoved", cookie)
        elif name == "IsInhibited":
            flags = parameters.unpack()[0]
            inhibited = any(held & flags for held in inhibitors.values())
            with open(log, "a") as out:
                out.write("IsInhibited %d %s\n" % (flags, "true" if inhibited else "false"))
            invocation.return_value(GLib.Variant("(b)", (inhibited,)))

    lock = {"active": False}
    saver_path = "/org/gnome/ScreenSaver"

    def saver(_connection, _sender, _path, _interface, name, parameters, invocation):
        if name == "GetActive":
            invocation.return_value(GLib.Variant("(b)", (lock["active"],)))
            return
        active = True if name == "Lock" else parameters.unpack()[0]
        invocation.return_value(None)
        if active != lock["active"]:
            lock["active"] = active
            connection.emit_signal(None, saver_path, "org.gnome.ScreenSaver", "ActiveChanged",
                                   GLib.Variant("(b)", (active,)))

    for path, xml, handler in ((manager_path, SESSION_MANAGER_XML, manager),
                               (saver_path, SCREENSAVER_XML, saver)):
        node = Gio.DBusNodeInfo.new_for_xml(xml)
        connection.register_object(path, node.interfaces[0], handler, None, None)
    own(connection, "org.gnome.SessionManager")
    own(connection, "org.gnome.ScreenSaver")
    print("ready", flush=True)
    GLib.MainLoop().run()


if __name__ == "__main__":
    command, argument = sys.argv[1], sys.argv[2]
    {"shot": shot, "input": remote_input, "stand-ins": stand_ins}[command](argument)

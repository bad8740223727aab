#!/usr/bin/env python3
"""Clicks the left button at a point of a wlroots compositor's layout (sway), in logical pixels.

A headless compositor has no pointer, so this makes one for the click with the virtual-pointer
protocol, through libwayland-client alone: usage  wl_click.py X Y WIDTH HEIGHT, where WIDTH and
HEIGHT are the layout's size in logical pixels.
"""
import ctypes
import sys
import time

wl = ctypes.CDLL("libwayland-client.so.0")


class Message(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("signature", ctypes.c_char_p),
                ("types", ctypes.POINTER(ctypes.c_void_p))]


class Interface(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("version", ctypes.c_int),
                ("method_count", ctypes.c_int), ("methods", ctypes.POINTER(Message)),
                ("event_count", ctypes.c_int), ("events", ctypes.POINTER(Message))]


def interface(name, version, requests):
    """An interface that only sends: its requests as (name, signature, types) in protocol order."""
    methods = (Message * len(requests))()
    keep = []
    for i, (request, signature, types) in enumerate(requests):
        array = (ctypes.c_void_p * max(1, len(types)))(*types)
        keep.append(array)
        methods[i] = Message(request.encode(), signature.encode(),
                             ctypes.cast(array, ctypes.POINTER(ctypes.c_void_p)))
    result = Interface(name.encode(), version, len(requests), methods, 0, None)
    result.keep = (methods, keep)
    return result


registry_interface = Interface.in_dll(wl, "wl_registry_interface")
seat_interface = Interface.in_dll(wl, "wl_seat_interface")
none = [None] * 5
pointer_interface = interface("zwlr_virtual_pointer_v1", 1, [
    ("motion", "uff", none), ("motion_absolute", "uuuuu", none), ("button", "uuu", none),
    ("axis", "uuf", none), ("frame", "", none), ("axis_source", "u", none),
    ("axis_stop", "uu", none), ("axis_discrete", "uufi", none), ("destroy", "", none)])
manager_interface = interface("zwlr_virtual_pointer_manager_v1", 1, [
    ("create_virtual_pointer", "?on",
     [ctypes.addressof(seat_interface), ctypes.addressof(pointer_interface)]),
    ("destroy", "", none)])

wl.wl_display_connect.restype = ctypes.c_void_p
wl.wl_display_connect.argtypes = [ctypes.c_char_p]
wl.wl_display_roundtrip.argtypes = [ctypes.c_void_p]
wl.wl_display_disconnect.argtypes = [ctypes.c_void_p]
wl.wl_proxy_add_listener.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
wl.wl_proxy_marshal_array_flags.restype = ctypes.c_void_p
wl.wl_proxy_marshal_array_flags.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_void_p,
                                            ctypes.c_uint32, ctypes.c_uint32, ctypes.c_void_p]
DESTROY = 1  # WL_MARSHAL_FLAG_DESTROY


def send(proxy, opcode, args=(), new=None, version=1, flags=0):
    """Sends a request; each argument is an int, a pointer (c_void_p) or bytes."""
    array = (ctypes.c_uint64 * max(1, len(args)))()
    for i, arg in enumerate(args):
        if isinstance(arg, bytes):
            array[i] = ctypes.cast(ctypes.c_char_p(arg), ctypes.c_void_p).value
        elif isinstance(arg, ctypes.c_void_p):
            array[i] = arg.value or 0
        else:
            array[i] = arg & 0xFFFFFFFF
    return wl.wl_proxy_marshal_array_flags(proxy, opcode,
                                           ctypes.addressof(new) if new else None, version, flags,
                                           array)


def main():
    x, y, width, height = (int(v) for v in sys.argv[1:5])
    display = wl.wl_display_connect(None)
    if not display:
        sys.exit("no Wayland display")
    registry = send(display, 1, [0], new=registry_interface)  # wl_display.get_registry

    globals_found = {}
    GlobalFn = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32,
                                ctypes.c_char_p, ctypes.c_uint32)
    RemoveFn = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32)

    def on_global(_data, _registry, name, iface, version):
        globals_found[iface.decode()] = (name, version)

    callbacks = (GlobalFn(on_global), RemoveFn(lambda *_: None))  # kept alive while in use
    listener = (ctypes.c_void_p * 2)(*(ctypes.cast(c, ctypes.c_void_p) for c in callbacks))
    wl.wl_proxy_add_listener(registry, listener, None)
    wl.wl_display_roundtrip(display)
    if "zwlr_virtual_pointer_manager_v1" not in globals_found or "wl_seat" not in globals_found:
        sys.exit("the compositor offers no virtual pointer")

    def bind(name, iface):
        number = globals_found[name][0]
        return send(registry, 0, [number, name.encode(), 1, 0], new=iface)  # wl_registry.bind

    seat = bind("wl_seat", seat_interface)
    manager = bind("zwlr_virtual_pointer_manager_v1", manager_interface)
    pointer = send(manager, 0, [ctypes.c_void_p(seat), 0], new=pointer_interface)
    wl.wl_display_roundtrip(display)
    # The new pointer reaches the clients as a new seat capability; give them time to take it.
    time.sleep(0.3)
    stamp = int(time.monotonic() * 1000)
    for step in range(2):
        send(pointer, 1, [stamp + step, x, y, width, height])  # motion_absolute
        send(pointer, 4)  # frame
        wl.wl_display_roundtrip(display)
        time.sleep(0.1)
    for state in (1, 0):
        send(pointer, 2, [stamp + 3 + state, 0x110, state])  # button: BTN_LEFT pressed, released
        send(pointer, 4)
        wl.wl_display_roundtrip(display)
        time.sleep(0.05)
    send(pointer, 8, flags=DESTROY)
    send(manager, 1, flags=DESTROY)
    wl.wl_display_roundtrip(display)
    wl.wl_display_disconnect(display)


if __name__ == "__main__":
    main()

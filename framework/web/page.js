// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The page's side of the web backend: the dialog windows as DOM elements
// (native controls in a <dialog>), and the events the program's loop takes,
// one at a time, from a queue. The program runs only when its loop asks for
// the next event; an event handler here never calls into it, it queues what
// happened and wakes the loop. Input the program holds back (while a tone
// sounds) is kept from the page's default actions here, told by a flag the
// loop sets before it waits, and acted out later when the program asks.
var VornabyPage = (() => {
  "use strict";
  const kDialogFont = "12px system-ui, 'Segoe UI', 'DejaVu Sans', sans-serif";
  // What the queue carries to the program (the same numbers as WebPage.h's
  // PageEventType).
  const Type = { Clicked: 1, SelChange: 2, Scroll: 3, SysCommand: 4, DialogKey: 5, Held: 6, DeliverHeld: 7, Call: 8 };
  const Kind = { Other: 0, Input: 1, Derived: 2, Close: 3 };
  const kLongPressMs = 500;
  const page = {
    windows: new Map(), // handle -> window record
    queue: [],
    immediate: null,    // while a held event is acted out: what it sets off
    held: new Map(),    // token -> a held event, until the program delivers or drops it
    prompts: new Set(), // the prompts open now
    nextToken: 1,
    inputHeld: false,
    actingOut: false,   // while a held event is acted out
    longPress: null,    // a touch held on the window's background, until it opens the menu
    wake: null,
    commands: { close: 0xF060, restore: 0xF120 },
    // What the dialog makes of a key, as the program decides it: for each key,
    // by Shift (1), Control (2) and Alt (4), the action (0 none, 1 Enter,
    // 2 Escape, 3 the window menu) and whether it asks to close (1).
    dialogKeys: {},
    iconBase: "icons/vornaby-",
    texts: { close: "&Close", windowMenu: "Window menu", ok: "OK" },
  };

  const Action = { None: 0, Enter: 1, Escape: 2, WindowMenu: 3 };
  function dialogKeyOf(key, shift, control, alt) {
    const row = page.dialogKeys[key];
    const at = 2 * ((shift ? 1 : 0) | (control ? 2 : 0) | (alt ? 4 : 0));
    return row ? { action: Number(row[at]), close: row[at + 1] === "1" } : { action: Action.None, close: false };
  }

  function dialogKeyOfEvent(e) {
    return dialogKeyOf(e.key, e.shiftKey, e.ctrlKey || e.metaKey, e.altKey);
  }

  function postDialogKey(win, key) {
    post({ type: Type.DialogKey, kind: key.close ? Kind.Close : Kind.Input, window: win.handle,
           code: key.action === Action.Escape ? 1 : 0, id: focusedButton(win) });
  }

  function post(event) {
    (page.immediate || page.queue).push(event);
    wakeLoop();
  }

  function wakeLoop() {
    const wake = page.wake;
    page.wake = null;
    if (wake)
      wake();
  }

  // A menu text's "&" marks its access key, which a page does not show.
  function withoutMnemonic(text) {
    return text.replace(/&(.)/g, "$1");
  }

  function windowOf(element) {
    const dialog = element && element.closest ? element.closest("dialog.vornaby-window") : null;
    return dialog ? page.windows.get(Number(dialog.dataset.handle)) : null;
  }

  function topWindow() {
    const open = [...page.windows.values()];
    return open.length ? open[open.length - 1] : null;
  }

  function idOf(element) {
    const control = element && element.closest ? element.closest("[data-id]") : null;
    return control ? Number(control.dataset.id) : 0;
  }

  function focusedButton(win) {
    const focus = document.activeElement;
    return focus && focus.tagName === "BUTTON" && windowOf(focus) === win ? idOf(focus) : 0;
  }

  // A window not shown yet takes the focus once it is.
  function focusIn(win, element, select) {
    if (!win.element.open) {
      win.pendingFocus = { element, select };
      return;
    }
    element.focus();
    if (select && element.select && element.type === "text")
      element.select();
  }

  function tabStops(win) {
    return [...win.client.querySelectorAll("input, button")].filter((c) => !c.disabled && c.tabIndex >= 0);
  }

  function moveFocus(win, backwards) {
    const stops = tabStops(win);
    if (stops.length === 0)
      return;
    const at = stops.indexOf(document.activeElement);
    const next = at < 0 ? 0 : (at + (backwards ? stops.length - 1 : 1)) % stops.length;
    stops[next].focus();
    if (stops[next].select && stops[next].type === "text")
      stops[next].select();
  }

  // ---- the window menu ----
  function openWindowMenu(win, x, y) {
    if (win.menu)
      return;
    const menu = document.createElement("div");
    menu.className = "vornaby-menu";
    menu.setAttribute("role", "menu");
    menu.setAttribute("aria-label", win.menus.name);
    for (const item of win.minimized ? win.menus.minimized : win.menus.normal) {
      if (item.command === 0) {
        const line = document.createElement("hr");
        line.setAttribute("role", "separator");
        menu.append(line);
        continue;
      }
      const entry = document.createElement("button");
      entry.type = "button";
      entry.setAttribute("role", "menuitem");
      entry.textContent = withoutMnemonic(item.text);
      entry.dataset.text = item.text;
      entry.addEventListener("click", () => {
        closeWindowMenu(win);
        post({ type: Type.SysCommand, kind: item.command === page.commands.close ? Kind.Close : Kind.Other,
               window: win.handle, param: item.command });
      });
      menu.append(entry);
    }
    menu.addEventListener("keydown", (e) => {
      const entries = [...menu.querySelectorAll("button")];
      const at = entries.indexOf(document.activeElement);
      if (e.key === "ArrowDown" || e.key === "ArrowUp") {
        entries[(at + (e.key === "ArrowDown" ? 1 : entries.length - 1)) % entries.length].focus();
      } else if (e.key === "Escape" || e.key === "Tab") {
        closeWindowMenu(win);
      } else {
        return;
      }
      e.preventDefault();
      e.stopPropagation();
    });
    menu.addEventListener("focusout", (e) => {
      if (!menu.contains(e.relatedTarget))
        closeWindowMenu(win, false);
    });
    win.element.append(menu);
    const box = win.element.getBoundingClientRect();
    menu.style.left = `${Math.max(0, x - box.left)}px`;
    menu.style.top = `${Math.max(0, y - box.top)}px`;
    win.menu = { element: menu, returnFocus: document.activeElement };
    menu.querySelector("button").focus();
  }

  // The menu from the keyboard, over the control that has the focus; from
  // the caption's icon, just below it.
  function openWindowMenuOver(win, element) {
    const box = (element || win.element).getBoundingClientRect();
    openWindowMenu(win, box.left + box.width / 2, box.top + box.height / 2);
  }

  function openWindowMenuBelow(win, icon) {
    const box = icon.getBoundingClientRect();
    openWindowMenu(win, box.left, box.bottom);
  }

  function closeWindowMenu(win, refocus = true) {
    if (!win.menu)
      return;
    const { element, returnFocus } = win.menu;
    win.menu = null;
    element.remove();
    if (refocus && returnFocus && returnFocus.focus)
      returnFocus.focus();
  }

  // ---- the combo box: a field with a list that opens below it ----
  // The editable combo box of WAI-ARIA: the field has the focus throughout;
  // its list opens by the arrow beside it (a click or a touch), Alt+Down or
  // F4, and closes by a choice, Escape, Alt+Up or the focus going elsewhere.
  function comboOfField(win, field) {
    const control = win && field && field.closest ? field.closest("[data-id]") : null;
    return control ? win.combos.get(Number(control.dataset.id)) || null : null;
  }

  function setActive(combo, index) {
    const options = combo.listbox.children;
    for (let i = 0; i < options.length; ++i)
      options[i].setAttribute("aria-selected", i === index ? "true" : "false");
    combo.active = index;
    if (index >= 0) {
      combo.input.setAttribute("aria-activedescendant", options[index].id);
      options[index].scrollIntoView({ block: "nearest" });
    } else {
      combo.input.removeAttribute("aria-activedescendant");
    }
  }

  function openList(combo) {
    if (combo.open || combo.input.disabled)
      return;
    combo.open = true;
    combo.listbox.hidden = false;
    combo.input.setAttribute("aria-expanded", "true");
    setActive(combo, combo.items.indexOf(combo.input.value));
  }

  function closeList(combo) {
    if (!combo.open)
      return;
    combo.open = false;
    combo.listbox.hidden = true;
    combo.input.setAttribute("aria-expanded", "false");
    setActive(combo, -1);
  }

  // A choice from the list is the combo box's selection: its text in the
  // field, selected, as a desktop's combo box leaves it.
  function choose(win, combo, index) {
    closeList(combo);
    combo.input.focus();
    if (index < 0 || index >= combo.items.length)
      return;
    combo.input.value = combo.items[index];
    combo.input.select();
    combo.selected = index;
    post({ type: Type.SelChange, kind: Kind.Other, window: win.handle, id: combo.id });
  }

  // The keys of a combo box's field (a keydown, or a held one acted out);
  // true where the combo box took the key. Closed, Up and Down step through
  // the list from the item shown, each step a selection.
  function comboKey(win, field, key) {
    const combo = comboOfField(win, field);
    if (!combo || field !== combo.input || combo.items.length === 0)
      return false;
    const toggle = (key.alt && (key.key === "ArrowDown" || key.key === "ArrowUp")) || key.key === "F4";
    if (toggle) {
      if (combo.open)
        choose(win, combo, combo.active);
      else
        openList(combo);
      return true;
    }
    if (key.key !== "ArrowDown" && key.key !== "ArrowUp" && !(combo.open && (key.key === "Enter" ||
                                                                            key.key === "Escape")))
      return false;
    if (combo.open) {
      if (key.key === "Enter")
        choose(win, combo, combo.active);
      else if (key.key === "Escape")
        closeList(combo);
      else
        setActive(combo, Math.max(0, Math.min(combo.items.length - 1,
                                               combo.active + (key.key === "ArrowDown" ? 1 : -1))));
      return true;
    }
    const at = combo.items.indexOf(field.value);
    const next = at < 0 ? 0 : Math.max(0, Math.min(combo.items.length - 1, at + (key.key === "ArrowDown" ? 1 : -1)));
    if (next !== at) {
      field.value = combo.items[next];
      combo.selected = next;
      post({ type: Type.SelChange, kind: Kind.Other, window: win.handle, id: combo.id });
    }
    field.select();
    return true;
  }

  // ---- held input, acted out when the program delivers it ----
  function keepHeld(win, event) {
    const token = page.nextToken++;
    const record = { type: event.type, key: event.key, shift: event.shiftKey, alt: event.altKey,
                     control: event.ctrlKey || event.metaKey, x: event.clientX, target: event.target };
    page.held.set(token, record);
    return { type: Type.Held, kind: Kind.Input, window: win.handle, token };
  }

  // A held key acted out in a text field as the browser's own editing would
  // have: text, deletion, undo and redo through the editing commands (which
  // keep the field's undo history), the caret and the selection moved by
  // character, word and line, Shift extending it.
  function editKey(field, record) {
    // (Emscripten's minifier loses names bound by destructuring.)
    const key = record.key;
    const shift = record.shift;
    const control = record.control;
    const command = (name, text) => document.execCommand(name, false, text);
    if (control) {
      if (key === "a" || key === "A")
        field.select();
      else if (key === "z" || key === "Z")
        command(shift ? "redo" : "undo");
      else if (key === "y" || key === "Y")
        command("redo");
      else
        moveCaret(field, key, shift, true);
      return;
    }
    const deleting = key === "Backspace" || key === "Delete";
    if (key.length === 1) {
      if (!command("insertText", key))
        field.setRangeText(key, field.selectionStart, field.selectionEnd, "end");
    } else if (!deleting || !command(key === "Backspace" ? "delete" : "forwardDelete")) {
      // A move, or a deletion the editing commands did not make.
      moveCaret(field, key, shift && !deleting, false);
      return;
    }
    field.dispatchEvent(new Event("input", { bubbles: true }));
  }

  // The caret moved by key (by a word with Control), the selection extended
  // from its anchor with Shift; Control with Backspace or Delete deletes to
  // the word's edge.
  function moveCaret(field, key, shift, word) {
    const value = field.value;
    const forward = field.selectionDirection === "forward" || field.selectionStart === field.selectionEnd;
    const anchor = forward ? field.selectionStart : field.selectionEnd;
    const focus = forward ? field.selectionEnd : field.selectionStart;
    const wordEdge = (from, step) => {
      let at = from;
      if (step < 0) {
        while (at > 0 && /\s/.test(value[at - 1])) --at;
        while (at > 0 && !/\s/.test(value[at - 1])) --at;
      } else {
        while (at < value.length && !/\s/.test(value[at])) ++at;
        while (at < value.length && /\s/.test(value[at])) ++at;
      }
      return at;
    };
    const collapsed = field.selectionStart === field.selectionEnd;
    let to;
    switch (key) {
    case "Home": to = 0; break;
    case "End": to = value.length; break;
    case "ArrowLeft": case "Backspace":
      to = word ? wordEdge(focus, -1) : !shift && !collapsed ? field.selectionStart : Math.max(0, focus - 1); break;
    case "ArrowRight": case "Delete":
      to = word ? wordEdge(focus, 1) : !shift && !collapsed ? field.selectionEnd : Math.min(value.length, focus + 1);
      break;
    default: return;
    }
    if (key === "Backspace" || key === "Delete") {
      field.setRangeText("", Math.min(focus, to), Math.max(focus, to), "end");
      field.dispatchEvent(new Event("input", { bubbles: true }));
    } else if (shift) {
      field.setSelectionRange(Math.min(anchor, to), Math.max(anchor, to), to < anchor ? "backward" : "forward");
    } else {
      field.setSelectionRange(to, to);
    }
  }

  // A held click on a slider's track puts the thumb there, as the click
  // itself would have.
  function slideTo(slider, x) {
    const box = slider.getBoundingClientRect();
    const thumb = 16;
    let ratio = Math.max(0, Math.min(1, (x - box.left - thumb / 2) / Math.max(1, box.width - thumb)));
    if (slider.matches(":dir(rtl)"))
      ratio = 1 - ratio;
    const min = Number(slider.min);
    const max = Number(slider.max);
    const value = String(Math.round(min + ratio * (max - min)));
    if (value !== slider.value) {
      slider.value = value;
      slider.dispatchEvent(new Event("input", { bubbles: true }));
      slider.dispatchEvent(new Event("change", { bubbles: true }));
    }
  }

  // A key that the window, not the field, acts on: while input is held such
  // a key always waits; any other key in a text field with nothing waiting
  // before it is the browser's own to edit with (select, move, copy, paste,
  // undo), as it would be without a tone.
  function windowKey(win, e) {
    return Object.prototype.hasOwnProperty.call(page.dialogKeys, e.key) || e.key === "Tab" || e.altKey ||
           ((e.key === "ArrowUp" || e.key === "ArrowDown") && comboOfField(win, e.target) !== null);
  }

  function actOut(record) {
    const win = windowOf(record.target);
    if (record.type === "click") {
      const target = record.target.closest("button, input, [role=option], .vornaby-caption-icon") || record.target;
      if (target.disabled || !target.isConnected)
        return;
      if (target.getAttribute("role") === "option") {
        const combo = comboOfField(win, target);
        if (combo)
          choose(win, combo, Number(target.dataset.index));
      } else if (target.classList.contains("vornaby-caption-icon")) {
        openWindowMenuBelow(win, target);
      } else if (target.tagName === "BUTTON" || target.type === "checkbox") {
        target.focus();
        target.click();
      } else if (target.type === "range") {
        target.focus();
        slideTo(target, record.x);
      } else if (target.focus) {
        target.focus();
      }
      return;
    }
    const focus = document.activeElement;
    if (record.key === "Tab") {
      if (win)
        moveFocus(win, record.shift);
    } else if (win && focus && comboKey(win, focus, record)) {
      // the combo box's own key
    } else if (focus && focus.tagName === "INPUT" && focus.type === "text") {
      editKey(focus, record);
    } else if (focus && focus.type === "range") {
      const step = { ArrowRight: 1, ArrowUp: 1, ArrowLeft: -1, ArrowDown: -1 }[record.key];
      if (step) {
        // Left and right turn round with the slider in a mirrored window.
        const turned = focus.matches(":dir(rtl)") && (record.key === "ArrowLeft" || record.key === "ArrowRight");
        focus.value = String(Number(focus.value) + (turned ? -step : step));
        focus.dispatchEvent(new Event("input", { bubbles: true }));
        focus.dispatchEvent(new Event("change", { bubbles: true }));
      }
    } else if (focus && (focus.tagName === "BUTTON" || focus.type === "checkbox") && record.key === " ") {
      focus.click();
    } else if (dialogKeyOf(record.key, record.shift, record.control, record.alt).action === Action.WindowMenu) {
      if (win) {
        openWindowMenuOver(win, focus);
      }
    }
  }

  // ---- the user's input, before any control sees it ----
  function onInput(e) {
    // The program's own, acting out what was held (WebKit makes trusted
    // beforeinput events of the editing commands).
    if (!e.isTrusted || page.actingOut)
      return;
    VornabyAudio.allow();
    // Keys with the focus nowhere go to the window on top, as a desktop's do.
    const win = windowOf(e.target) || (e.target === document.body ? topWindow() : null);
    if (!win)
      return;
    if (page.inputHeld) {
      // A touch goes on to make its click, which is what is held: a touch
      // cancelled would make none, and the tap would be lost.
      if (e.type === "touchstart" || e.type === "touchend" || e.type === "wheel")
        return;
      const editing = e.target.tagName === "INPUT" && e.target.type === "text" && e.target === document.activeElement;
      if (editing && page.held.size === 0 && (e.type === "keydown" ? !windowKey(win, e) : e.type !== "keydown" &&
          (e.type === "keypress" || e.type === "keyup" || e.type === "beforeinput")))
        return;
      e.preventDefault();
      e.stopImmediatePropagation();
      if (e.type === "keydown") {
        const key = dialogKeyOfEvent(e);
        if (key.action === Action.Enter || key.action === Action.Escape) {
          postDialogKey(win, key);
        } else if (!["Shift", "Control", "Alt", "Meta"].includes(e.key)) {
          post(keepHeld(win, e));
        }
      } else if (e.type === "click") {
        if (e.target.closest(".vornaby-close"))
          post({ type: Type.SysCommand, kind: Kind.Close, window: win.handle, param: page.commands.close });
        else
          post(keepHeld(win, e));
      } else if (e.type === "contextmenu" || e.type === "dblclick") {
        post({ type: Type.Held, kind: Kind.Derived, window: win.handle, token: 0 });
      }
      return;
    }
    if (longPress(e, win))
      return;
    if (win.menu)
      return; // the menu's own keys
    if (e.type === "keydown") {
      const key = dialogKeyOfEvent(e);
      if (!e.ctrlKey && !e.metaKey && comboKey(win, e.target, { key: e.key, alt: e.altKey })) {
        e.preventDefault();
        e.stopImmediatePropagation();
      } else if (key.action === Action.Enter || key.action === Action.Escape) {
        // The dialog's keys are the program's: Enter means OK or the focused
        // button, Escape Cancel (the page's own <dialog> would just close).
        e.preventDefault();
        e.stopImmediatePropagation();
        postDialogKey(win, key);
      } else if (key.action === Action.WindowMenu) {
        e.preventDefault();
        openWindowMenuOver(win, document.activeElement);
      } else if (e.key === "Tab" && !e.altKey && !e.ctrlKey && !e.metaKey) {
        // Tab goes round the window's own controls, never out of the window.
        e.preventDefault();
        moveFocus(win, e.shiftKey);
      }
    } else if (e.type === "contextmenu") {
      // A field keeps its own menu; the rest of the window offers the window's.
      if (e.target.closest("input[type=text]"))
        return;
      e.preventDefault();
      if (page.longPress) {
        clearTimeout(page.longPress.timer);
        page.longPress.fired = true;
      }
      openWindowMenu(win, e.clientX, e.clientY);
    }
  }

  // A long press on the window's background opens the window menu, as a
  // right click does (iOS makes no contextmenu of a long press); what the
  // touch makes after that (its compatibility mouse events, its click) is
  // not the window's. True where the event was the long press's.
  function longPress(e, win) {
    const at = page.longPress;
    if (e.type === "pointerdown" && e.pointerType === "touch" && !e.target.closest("input, button")) {
      const press = { x: e.clientX, y: e.clientY, fired: false, timer: 0 };
      press.timer = setTimeout(() => {
        press.fired = true;
        openWindowMenu(win, press.x, press.y);
      }, kLongPressMs);
      page.longPress = press;
      return false;
    }
    if (!at)
      return false;
    if (e.type === "pointerup" || e.type === "pointercancel")
      clearTimeout(at.timer);
    if (!at.fired) {
      if (e.type === "pointerup" || e.type === "pointercancel")
        page.longPress = null;
      return false;
    }
    if (e.type === "touchend" || e.type === "click" || e.type === "contextmenu" || e.type.startsWith("mouse")) {
      e.preventDefault();
      e.stopImmediatePropagation();
      if (e.type === "touchend" || e.type === "click")
        page.longPress = null;
      return true;
    }
    return false;
  }

  function onPointerMove(e) {
    const at = page.longPress;
    if (at && !at.fired && Math.hypot(e.clientX - at.x, e.clientY - at.y) > 10) {
      clearTimeout(at.timer);
      page.longPress = null;
    }
  }
  window.addEventListener("pointermove", onPointerMove, { capture: true, passive: true });

  for (const type of ["keydown", "keypress", "keyup", "beforeinput", "mousedown", "mouseup", "click", "dblclick",
                      "auxclick", "contextmenu", "pointerdown", "pointerup", "pointercancel", "touchstart", "touchend",
                      "wheel"])
    window.addEventListener(type, onInput, { capture: true, passive: false });

  // ---- windows ----
  function element(tag, className, parent) {
    const e = document.createElement(tag);
    if (className)
      e.className = className;
    if (parent)
      parent.append(e);
    return e;
  }

  function comboOf(handle, id) {
    const win = page.windows.get(handle);
    return win ? win.combos.get(id) : null;
  }

  // The box text takes in the dialog font.
  function measure(text) {
    const probe = element("span", "vornaby-probe", document.body);
    probe.textContent = text;
    const box = probe.getBoundingClientRect();
    probe.remove();
    return box;
  }

  // A window keeps its own size, at which its text is the dialog font's 12
  // CSS px. One larger than the screen (a phone held upright) is not shrunk
  // to a size no one can read or tap, but placed at the page's top left, and
  // the page pans to the rest of it.
  function fitToScreen() {
    let width = 0;
    let height = 0;
    for (const win of page.windows.values()) {
      if (!win.element.open)
        continue;
      win.element.classList.remove("vornaby-panned");
      const box = win.element.getBoundingClientRect();
      if (box.width + 8 <= window.innerWidth && box.height + 8 <= window.innerHeight)
        continue;
      win.element.classList.add("vornaby-panned");
      width = Math.max(width, box.width + 8);
      height = Math.max(height, box.height + 8);
    }
    document.body.style.minWidth = width ? `${Math.ceil(width)}px` : "";
    document.body.style.minHeight = height ? `${Math.ceil(height)}px` : "";
  }
  window.addEventListener("resize", fitToScreen);

  const api = {
    setDialogKeys(keys) {
      page.dialogKeys = keys;
    },
    configure(close, restore, texts) {
      page.commands = { close, restore };
      Object.assign(page.texts, texts);
    },
    setLanguage(language, rightToLeft) {
      document.documentElement.lang = language.replace("_", "-");
      document.documentElement.dir = rightToLeft ? "rtl" : "ltr";
    },
    // The dialog font's base units: the average width of the 52 letters and
    // the font's height, in CSS pixels.
    baseUnits() {
      const box = measure("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
      return [box.width / 52, box.height];
    },
    measure,
    textWidth(text) {
      return Math.ceil(measure(text).width);
    },
    createWindow(handle, title, width, height, ownerHandle) {
      const dialog = element("dialog", "vornaby-window", document.body);
      dialog.dataset.handle = String(handle);
      const caption = element("div", "vornaby-caption", dialog);
      const icon = element("button", "vornaby-caption-icon", caption);
      icon.type = "button";
      icon.tabIndex = -1;
      icon.setAttribute("aria-label", page.texts.windowMenu);
      icon.setAttribute("aria-haspopup", "menu");
      const titleText = element("span", "vornaby-title", caption);
      titleText.id = `vornaby-title-${handle}`;
      titleText.textContent = title;
      const close = element("button", "vornaby-close", caption);
      close.type = "button";
      close.tabIndex = -1;
      close.textContent = "\u2715";
      close.setAttribute("aria-label", withoutMnemonic(page.texts.close));
      dialog.setAttribute("aria-labelledby", titleText.id);
      dialog.dataset.owner = String(ownerHandle);
      // A page cannot minimise a window: it rolls up to its caption, and a
      // double click on the caption (or Restore) rolls it down again.
      caption.addEventListener("dblclick", () => {
        if (win.minimized)
          post({ type: Type.SysCommand, kind: Kind.Other, window: handle, param: page.commands.restore });
      });
      const client = element("div", "vornaby-client", dialog);
      client.style.width = `${width}px`;
      client.style.height = `${height}px`;
      const win = { handle, element: dialog, client, title: titleText, icon, controls: new Map(),
                    menus: { name: "", normal: [], minimized: [] },
                    menu: null, width, height: height + 24, owner: page.windows.get(ownerHandle) || null,
                    combos: new Map() };
      icon.addEventListener("click", () => {
        openWindowMenuBelow(win, icon);
      });
      icon.addEventListener("contextmenu", (e) => e.preventDefault());
      close.addEventListener("click", () =>
        post({ type: Type.SysCommand, kind: Kind.Close, window: handle, param: page.commands.close }));
      dialog.addEventListener("cancel", (e) => e.preventDefault());
      page.windows.set(handle, win);
      return win;
    },
    minimize(handle, minimized) {
      const win = page.windows.get(handle);
      if (!win)
        return;
      win.minimized = minimized;
      win.element.classList.toggle("vornaby-minimized", minimized);
    },
    minimized(handle) {
      const win = page.windows.get(handle);
      return Boolean(win && win.minimized);
    },
    addControl(handle, formName, kind, id, text, name, x, y, width, height, enabled, labelFor, icon, items) {
      const win = page.windows.get(handle);
      const kinds = ["button", "edit", "label", "combo", "check", "frame", "slider"];
      let control;
      let focusable = null;
      switch (kinds[kind]) {
      case "button":
        control = focusable = element("button", "vornaby-button");
        control.type = "button";
        control.textContent = text;
        control.addEventListener("click", () => post({ type: Type.Clicked, kind: Kind.Other, window: handle, id }));
        break;
      case "edit":
        control = focusable = element("input", "vornaby-edit");
        control.type = "text";
        control.spellcheck = false;
        control.autocomplete = "off";
        break;
      case "combo": {
        control = element("div", "vornaby-combo");
        focusable = element("input", "vornaby-edit", control);
        focusable.type = "text";
        focusable.autocomplete = "off";
        focusable.spellcheck = false;
        const listbox = element("ul", "vornaby-listbox", control);
        listbox.id = `vornaby-list-${handle}-${id}`;
        listbox.setAttribute("role", "listbox");
        listbox.hidden = true;
        items.forEach((item, index) => {
          const option = element("li", null, listbox);
          option.id = `${listbox.id}-${index}`;
          option.setAttribute("role", "option");
          option.dataset.index = String(index);
          option.textContent = item;
        });
        focusable.setAttribute("role", "combobox");
        focusable.setAttribute("aria-autocomplete", "list");
        focusable.setAttribute("aria-expanded", "false");
        focusable.setAttribute("aria-controls", listbox.id);
        // The arrow is for the pointer; the field, its keys and its list are
        // what a screen reader meets.
        const arrow = element("button", "vornaby-combo-open", control);
        arrow.type = "button";
        arrow.tabIndex = -1;
        arrow.setAttribute("aria-hidden", "true");
        const combo = { id, items, selected: -1, input: focusable, listbox, open: false, active: -1 };
        win.combos.set(id, combo);
        // A press on the arrow or the list leaves the focus in the field.
        for (const part of [arrow, listbox])
          part.addEventListener("mousedown", (e) => e.preventDefault());
        arrow.addEventListener("click", () => {
          if (combo.open)
            closeList(combo);
          else
            openList(combo);
          focusable.focus();
        });
        listbox.addEventListener("click", (e) => {
          const option = e.target.closest("[role=option]");
          if (option)
            choose(win, combo, Number(option.dataset.index));
        });
        control.addEventListener("focusout", (e) => {
          if (!control.contains(e.relatedTarget))
            closeList(combo);
        });
        break;
      }
      case "check": {
        control = element("label", "vornaby-check");
        focusable = element("input", null, control);
        focusable.type = "checkbox";
        element("span", null, control).textContent = text;
        focusable.addEventListener("click", () => post({ type: Type.Clicked, kind: Kind.Other, window: handle, id }));
        break;
      }
      case "slider":
        control = focusable = element("input", "vornaby-slider");
        control.type = "range";
        control.min = "0";
        control.max = "100";
        control.step = "1";
        control.value = "0";
        control.addEventListener("input", () => post({ type: Type.Scroll, kind: Kind.Other, window: handle, id,
                                                       code: 0, position: Number(control.value) }));
        control.addEventListener("change", () => post({ type: Type.Scroll, kind: Kind.Other, window: handle, id,
                                                        code: 1, position: Number(control.value) }));
        break;
      case "frame":
        control = element("div", "vornaby-frame");
        control.setAttribute("role", "group");
        element("span", "vornaby-legend", control).textContent = text;
        control.setAttribute("aria-label", text);
        break;
      default: // a label, or a picture
        if (icon) {
          control = element("img", "vornaby-picture");
          control.src = `${page.iconBase}${Math.min(width, height) > 32 ? 48 : 32}.png`;
          control.alt = name;
        } else {
          control = element("label", "vornaby-label");
          control.textContent = text;
        }
      }
      if (id > 0)
        control.dataset.id = String(id);
      control.dataset.name = formName;
      if (focusable) {
        focusable.id = `vornaby-${handle}-${id}`;
        focusable.disabled = !enabled;
        if (name && kinds[kind] !== "check" && kinds[kind] !== "button")
          focusable.setAttribute("aria-label", name);
      }
      if (labelFor > 0)
        control.htmlFor = `vornaby-${handle}-${labelFor}`;
      Object.assign(control.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
      win.client.append(control);
      if (id > 0)
        win.controls.set(id, { outer: control, inner: focusable || control });
    },
    show(handle) {
      const win = page.windows.get(handle);
      win.returnFocus = document.activeElement;
      win.element.showModal();
      // The client holds every control whole, however the layout rounded.
      const extent = [...win.client.children].reduce((e, c) => [Math.max(e[0], c.offsetLeft + c.offsetWidth),
                                                                Math.max(e[1], c.offsetTop + c.offsetHeight)], [0, 0]);
      win.client.style.width = `${Math.ceil(Math.max(win.width, extent[0]))}px`;
      win.client.style.height = `${Math.ceil(Math.max(win.height - 24, extent[1]))}px`;
      fitToScreen();
      if (win.pendingFocus) {
        focusIn(win, win.pendingFocus.element, win.pendingFocus.select);
        win.pendingFocus = null;
      }
      if (performance.getEntriesByName("vornaby-window-shown").length === 0)
        performance.mark("vornaby-window-shown");
    },
    hide(handle) {
      const win = page.windows.get(handle);
      if (!win || !win.element.open)
        return;
      closeWindowMenu(win, false);
      win.element.close();
      fitToScreen();
      if (win.returnFocus && win.returnFocus.isConnected && win.returnFocus.focus)
        win.returnFocus.focus();
      win.returnFocus = null;
    },
    destroy(handle) {
      const win = page.windows.get(handle);
      if (!win)
        return;
      closeWindowMenu(win, false);
      // The focus goes back where it was when the window opened.
      api.hide(handle);
      page.windows.delete(handle);
      win.element.remove();
    },
    control(handle, id) {
      const win = page.windows.get(handle);
      const control = win && win.controls.get(id);
      return control ? control.inner : null;
    },
    text(handle, id) {
      const win = page.windows.get(handle);
      if (!win)
        return "";
      if (id === 0)
        return win.title.textContent;
      const control = win.controls.get(id);
      if (!control)
        return "";
      const inner = control.inner;
      if (inner.tagName === "INPUT" && inner.type === "text")
        return inner.value;
      return (control.outer.querySelector("span") || control.outer).textContent;
    },
    setText(handle, id, text) {
      const win = page.windows.get(handle);
      if (!win)
        return;
      if (id === 0) {
        win.title.textContent = text;
        return;
      }
      const control = win.controls.get(id);
      if (!control)
        return;
      if (control.inner.tagName === "INPUT" && control.inner.type === "text")
        control.inner.value = text;
      else
        (control.outer.querySelector("span") || control.outer).textContent = text;
    },
    findItem(handle, id, text) {
      const combo = comboOf(handle, id);
      return combo ? combo.items.indexOf(text) : -1;
    },
    selectItem(handle, id, index) {
      const combo = comboOf(handle, id);
      if (combo)
        combo.selected = index >= 0 && index < combo.items.length ? index : -1;
    },
    // The window menu as the program makes it: { name, normal, minimized }.
    setWindowMenu(handle, menus) {
      const win = page.windows.get(handle);
      if (win)
        win.menus = menus;
    },
    setIcon(handle) {
      const win = page.windows.get(handle);
      if (!win)
        return;
      win.icon.style.backgroundImage = `url(${page.iconBase}16.png)`;
      let link = document.querySelector("link[rel=icon]");
      if (!link) {
        link = element("link", null, document.head);
        link.rel = "icon";
      }
      link.href = `${page.iconBase}32.png`;
    },
    // The identifier of the control that Tab reaches index-th, or -1.
    tabStop(handle, index) {
      const win = page.windows.get(handle);
      const stop = win ? tabStops(win)[index] : undefined;
      for (const [id, control] of win ? win.controls : [])
        if (control.inner === stop)
          return id;
      return -1;
    },
    focusControl(handle, id, select) {
      const win = page.windows.get(handle);
      const control = win && win.controls.get(id);
      if (control)
        focusIn(win, control.inner, select);
    },
    // A prompt: warning sign, the text, one OK; closed by OK, Enter or Escape.
    prompt(text, title) {
      const dialog = element("dialog", "vornaby-window vornaby-prompt", document.body);
      dialog.setAttribute("role", "alertdialog");
      const caption = element("div", "vornaby-caption", dialog);
      const titleText = element("span", "vornaby-title", caption);
      const id = page.nextToken++;
      dialog.dataset.prompt = String(id);
      titleText.id = `vornaby-prompt-title-${id}`;
      titleText.textContent = title;
      const body = element("div", "vornaby-prompt-body", dialog);
      const sign = element("span", "vornaby-warning", body);
      sign.setAttribute("aria-hidden", "true");
      sign.textContent = "\u26A0";
      const message = element("p", "vornaby-prompt-text", body);
      message.id = `vornaby-prompt-text-${id}`;
      message.textContent = text;
      const ok = element("button", "vornaby-button", element("div", "vornaby-prompt-buttons", dialog));
      ok.type = "button";
      ok.textContent = page.texts.ok;
      dialog.setAttribute("aria-labelledby", titleText.id);
      dialog.setAttribute("aria-describedby", message.id);
      page.prompts.add(id);
      const done = () => {
        if (!page.prompts.delete(id))
          return;
        dialog.close();
        dialog.remove();
        wakeLoop();
      };
      ok.addEventListener("click", done);
      // Enter answers the prompt's one button wherever the focus is, as a
      // desktop's message box does (and Firefox does not click a focused
      // button on an Enter made by its automation).
      dialog.addEventListener("keydown", (e) => {
        if (e.key === "Enter" && !e.altKey && !e.ctrlKey && !e.metaKey) {
          e.preventDefault();
          done();
        }
      });
      dialog.addEventListener("cancel", (e) => {
        e.preventDefault();
        done();
      });
      dialog.showModal();
      ok.focus();
      return id;
    },
    promptOpen(id) {
      return page.prompts.has(id);
    },
    // The program's loop: the next event (or null), and a wait for one.
    next() {
      return page.queue.shift() || null;
    },
    post,
    // A copy of text for the program, in its memory, which it frees.
    copyOut(text) {
      const size = lengthBytesUTF8(text) + 1;
      const copy = _malloc(size);
      stringToUTF8(text, copy, size);
      return copy;
    },
    // Calls the program's function token from its loop after ms.
    call(ms, token) {
      setTimeout(() => post({ type: Type.Call, kind: Kind.Other, token }), ms);
    },
    pending() {
      return page.queue.length;
    },
    holdInput(held) {
      page.inputHeld = held;
    },
    wait(ms, inputHeld) {
      page.inputHeld = inputHeld;
      if (page.queue.length)
        return Promise.resolve();
      return new Promise((resolve) => {
        const timer = setTimeout(() => {
          page.wake = null;
          resolve();
        }, ms);
        page.wake = () => {
          clearTimeout(timer);
          resolve();
        };
      });
    },
    wake: wakeLoop,
    // Acts out a held event. What that sets off (a button's click, say) is
    // handled next, before anything queued meanwhile, as it would have been
    // had the event not been held.
    deliver(token) {
      const record = page.held.get(token);
      page.held.delete(token);
      if (!record)
        return;
      page.immediate = [];
      page.actingOut = true;
      try {
        actOut(record);
      } finally {
        page.actingOut = false;
        page.queue.unshift(...page.immediate);
        page.immediate = null;
      }
    },
    dropHeld(token) {
      page.held.delete(token);
    },
    // The program has ended: the windows go, and the page says so.
    ended() {
      for (const handle of [...page.windows.keys()])
        api.destroy(handle);
      page.inputHeld = false;
      document.body.classList.add("vornaby-ended");
      const notice = document.getElementById("ended");
      if (notice) {
        notice.hidden = false;
        notice.querySelector("button").focus();
      }
    },
  };
  return api;
})();

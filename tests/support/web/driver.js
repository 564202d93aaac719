// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The dialog suite's driver in the page: reads the windows off the DOM, and
// has the runner (run_suite.py) make real input through WebDriver, which is
// the only way a page gets input it cannot tell from a user's.
var VornabyDriver = (() => {
  "use strict";
  const kPromptBase = 1000000; // a prompt's handle, beside the windows'
  let watchdog = null;

  function dialogOf(handle) {
    if (handle >= kPromptBase)
      return document.querySelector(`dialog[data-prompt="${handle - kPromptBase}"]`);
    return document.querySelector(`dialog.vornaby-window[data-handle="${handle}"]`);
  }

  function outer(handle, id) {
    const dialog = dialogOf(handle);
    return dialog ? dialog.querySelector(`.vornaby-client > [data-id="${id}"]`) : null;
  }

  function inner(handle, id) {
    const control = outer(handle, id);
    if (!control)
      return null;
    return control.matches("input, button") ? control : control.querySelector("input, button") || control;
  }

  function handleOf(dialog) {
    return dialog.dataset.prompt ? kPromptBase + Number(dialog.dataset.prompt) : Number(dialog.dataset.handle);
  }

  function textWidth(text) {
    return VornabyPage.textWidth(text);
  }

  const api = {
    title: (h) => { const d = dialogOf(h); return d ? d.querySelector(".vornaby-title").textContent : ""; },
    text: (h, id) => VornabyPage.text(h, id),
    captions: (h) => [...dialogOf(h).querySelectorAll(".vornaby-label, .vornaby-legend")]
      .map((e) => e.textContent).filter((t) => t !== "").join("\n"),
    ids: (h) => [...dialogOf(h).querySelectorAll(".vornaby-client > [data-id]")]
      .map((e) => Number(e.dataset.id)).sort((a, b) => a - b).join("\n"),
    items: (h, id) => {
      return [...outer(h, id).querySelectorAll("[role=option]")].map((o) => o.textContent).join("\n");
    },
    enabled: (h, id) => (inner(h, id).disabled ? "0" : "1"),
    checked: (h, id) => (inner(h, id).checked ? "1" : "0"),
    slider: (h, id) => { const s = inner(h, id); return [s.min, s.max, s.value].join("\n"); },
    exists: (h, id) => (inner(h, id) ? "1" : "0"),
    focused: (h) => {
      const focus = document.activeElement;
      const dialog = dialogOf(h);
      if (!dialog || !focus || !dialog.contains(focus))
        return "-1";
      const control = focus.closest("[data-id]");
      return control ? control.dataset.id : "-1";
    },
    selected: () => {
      const f = document.activeElement;
      return f && f.type === "text" ? f.value.substring(f.selectionStart, f.selectionEnd) : "";
    },
    visible: (h) => { const d = dialogOf(h); return d && d.open && d.isConnected ? "1" : "0"; },
    minimized: (h) => (VornabyPage.minimized(h) ? "1" : "0"),
    owner: (h) => { const d = dialogOf(h); return d ? d.dataset.owner || "0" : "0"; },
    labelOf: (h, id) => {
      const field = inner(h, id);
      const label = field && field.id ? dialogOf(h).querySelector(`label[for="${field.id}"]`) : null;
      return label ? label.textContent : "";
    },
    picture: (h) => ([...dialogOf(h).querySelectorAll("img.vornaby-picture")]
      .some((i) => i.complete && i.naturalWidth > 0) ? "1" : "0"),
    icon: (h) => {
      const icon = dialogOf(h).querySelector(".vornaby-caption-icon");
      const link = document.querySelector("link[rel=icon]");
      return icon && icon.style.backgroundImage && link ? "1" : "0";
    },
    client: (h) => { const c = dialogOf(h).querySelector(".vornaby-client"); return [c.offsetWidth, c.offsetHeight].join("\n"); },
    layout: (h) => {
      const line = Math.ceil(VornabyPage.measure("Xg").height);
      return [...dialogOf(h).querySelectorAll(".vornaby-client > *")].map((c) => {
        const field = c.matches("input[type=text], input[type=range], .vornaby-combo");
        const captionOf = c.querySelector(".vornaby-legend, span") || c;
        const caption = field || c.tagName === "IMG" ? "" : captionOf.textContent;
        return [c.dataset.name, c.offsetLeft, c.offsetTop, c.offsetWidth, c.offsetHeight, caption,
                caption ? textWidth(caption) : 0, line, c.classList.contains("vornaby-frame") ? 1 : 0].join("\t");
      }).join("\n");
    },
    // CSS selectors the runner finds the elements by.
    selector: (h, id, part) => {
      const base = `dialog.vornaby-window[data-handle="${h}"]`;
      const e = part === "outer" ? outer(h, id) : inner(h, id);
      return e && e.id ? `#${CSS.escape(e.id)}` : `${base} .vornaby-client > [data-id="${id}"]`;
    },
    box: (h, id) => { const r = inner(h, id).getBoundingClientRect(); return [r.width, r.height].join("\n"); },
    menuItems: () => {
      const menu = document.querySelector(".vornaby-menu");
      return menu ? [...menu.children].map((e) => (e.tagName === "HR" ? "-" : e.dataset.text)).join("\n") : "";
    },
    menuSelector: (text) => {
      const items = [...document.querySelectorAll(".vornaby-menu button")];
      const index = items.findIndex((e) => e.dataset.text === text);
      return index < 0 ? "" : `.vornaby-menu button:nth-of-type(${index + 1})`;
    },
    menuOpen: () => (document.querySelector(".vornaby-menu") ? "1" : "0"),
    // The window on top of below: a dialog opened over it (the last one in
    // the top layer), if any.
    modalOver: (below) => {
      const open = [...document.querySelectorAll("dialog.vornaby-window")].filter((d) => d.open);
      const top = open.length ? open[open.length - 1] : null;
      return top && handleOf(top) !== below ? String(handleOf(top)) : "0";
    },
    answerPrompt: () => {
      const prompt = document.querySelector("dialog[data-prompt]");
      if (!prompt || !prompt.open)
        return "";
      const buttons = [...prompt.querySelectorAll("button")];
      const seen = [prompt.querySelector(".vornaby-title").textContent,
                    prompt.querySelector(".vornaby-prompt-text").textContent,
                    prompt.querySelector(".vornaby-warning") ? "1" : "0",
                    buttons.length === 1 && buttons[0].textContent === "OK" ? "1" : "0",
                    prompt.matches(":modal") ? "1" : "0"].join("\n");
      buttons[0].click();
      return seen;
    },
    // A window's close box; a prompt, which has none, closes with its OK.
    closeSelector: (h) => (h >= kPromptBase ? `dialog[data-prompt="${h - kPromptBase}"] button`
      : `dialog.vornaby-window[data-handle="${h}"] .vornaby-close`),
    anyWindow: () => (document.querySelector("dialog.vornaby-window") ? "1" : "0"),
    focus: (h, id) => { inner(h, id).focus(); return ""; },
    focusFirst: (h) => { VornabyPage.focusControl(h, VornabyPage.tabStop(h, 0), false); return ""; },
    selectAll: (h, id) => { const e = inner(h, id); e.focus(); e.select(); return ""; },
    // A combo box's arrow, and an item of its list once it is open.
    comboArrow: (h, id) => `#${CSS.escape(inner(h, id).id)} ~ .vornaby-combo-open`,
    comboItem: (h, id, index) => `#${CSS.escape(inner(h, id).getAttribute("aria-controls"))} > [data-index="${index}"]`,
    // Where the slider's thumb is, from the centre, in CSS pixels.
    thumb: (h, id) => {
      const s = inner(h, id);
      const ratio = (Number(s.value) - Number(s.min)) / Math.max(1, Number(s.max) - Number(s.min));
      const thumb = 16;
      return String(Math.round(thumb / 2 + ratio * (s.offsetWidth - thumb) - s.offsetWidth / 2));
    },
    arm: (name, seconds) => {
      clearTimeout(watchdog);
      watchdog = setTimeout(() => {
        VornabySuite.finish(3, `"${name}" still runs after ${seconds} s: the run ends here`);
      }, Number(seconds) * 1000);
      return "";
    },
    disarm: () => { clearTimeout(watchdog); return ""; },
    async drive(action) {
      const response = await fetch("/drive", { method: "POST", body: JSON.stringify(action) });
      return response.text();
    },
    // "name<TAB>argument<TAB>...", numbers as numbers; the result as text.
    call(text) {
      const [name, ...args] = text.split("\t");
      return String(api[name](...args.map((a) => (/^-?[0-9]+$/.test(a) ? Number(a) : a))));
    },
  };
  return api;
})();

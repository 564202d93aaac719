// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Firefox for the page's tests: Debian's firefox-esr, driven over WebDriver
// BiDi by puppeteer-core (there is no geckodriver to speak classic WebDriver
// to). It reads one request a line on standard input, as JSON, and answers
// each with one line, {"value": ...} or {"error": "..."}; browsers.py is the
// other end. Input is the browser's own: BiDi's input actions, which the page
// cannot tell from a user's.
"use strict";
const puppeteer = require("puppeteer-core");
const readline = require("readline");

let browser = null;
let page = null;
const handles = []; // elements handed out by "find", by their number
let pointer = { x: 0, y: 0 };

// The key names the tests use, as puppeteer spells them.
const keyNames = { Return: "Enter", Left: "ArrowLeft", Right: "ArrowRight", Up: "ArrowUp", Down: "ArrowDown",
                   Space: " ", Control: "Control", Shift: "Shift", Alt: "Alt" };
const keyOf = (name) => keyNames[name] || name;
const ariaQuery = (name, role) => `::-p-aria([name=${JSON.stringify(name)}]${role ? `[role="${role}"]` : ""})`;

async function element(target) {
  const found = typeof target === "number" ? handles[target] : await page.$(target);
  if (!found)
    throw new Error(`no element ${target}`);
  return found;
}

// The point dx, dy from an element's centre, in the page's coordinates.
async function pointIn(target, dx = 0, dy = 0) {
  const box = await (await element(target)).boundingBox();
  if (!box)
    throw new Error(`${target} is not shown`);
  return { x: box.x + box.width / 2 + dx, y: box.y + box.height / 2 + dy };
}

async function moveTo(point) {
  pointer = point;
  await page.mouse.move(point.x, point.y);
}

const requests = {
  async launch({ languages, width, height }) {
    browser = await puppeteer.launch({
      browser: "firefox",
      executablePath: "/usr/bin/firefox-esr",
      headless: true,
      defaultViewport: { width, height },
      extraPrefsFirefox: {
        "intl.accept_languages": languages,
        "intl.locale.requested": languages.split(",")[0],
        // A page may start sound without a gesture of the user's first, as
        // the other engines' tests allow.
        "media.autoplay.default": 0,
        "media.autoplay.block-webaudio": false,
      },
    });
    page = (await browser.pages())[0] || await browser.newPage();
    page.on("dialog", (dialog) => dialog.dismiss());
    return null;
  },
  async goto({ url }) {
    handles.length = 0;
    await page.goto(url, { waitUntil: "load" });
    return null;
  },
  async reload() {
    handles.length = 0;
    await page.reload({ waitUntil: "load" });
    return null;
  },
  // An expression's value, with args bound to the names "arguments[i]" take
  // in WebDriver's scripts; elements by their number.
  async script({ body, args = [] }) {
    const values = await Promise.all(args.map((a) => (a && a.element !== undefined ? element(a.element) : a)));
    const result = await page.evaluateHandle(new Function(body), ...values);
    const asElement = result.asElement();
    if (asElement) {
      handles.push(asElement);
      return { element: handles.length - 1 };
    }
    const value = await result.jsonValue();
    await result.dispose();
    return value === undefined ? null : value;
  },
  // Elements by their accessible name and role, from the browser's own
  // accessibility tree.
  async find({ name, role, within }) {
    const scope = within == null ? page : await element(within);
    return (await scope.$$(ariaQuery(name, role))).map((e) => handles.push(e) - 1);
  },
  // The name and role an element has in the accessibility tree. BiDi reads
  // no names, it finds by them: each text the page gives the element (its
  // aria-label, its labels, its own text) is looked up in the tree with each
  // role, and the pair that finds this very element is its name and role.
  async accessible({ target }) {
    const e = await element(target);
    const names = await e.evaluate((el) => {
      const texts = [el.getAttribute("aria-label"), el.textContent, ...[...(el.labels || [])].map((l) => l.textContent)];
      return [...new Set(texts.filter(Boolean).map((t) => t.replace(/\s+/g, " ").trim()))];
    });
    for (const role of ["button", "checkbox", "textbox", "slider", "combobox", "dialog", "menuitem"]) {
      for (const name of names) {
        for (const found of await page.$$(ariaQuery(name, role))) {
          if (await page.evaluate((a, b) => a === b, found, e))
            return [name, role];
        }
      }
    }
    return ["", ""];
  },
  async click({ target, dx = 0, dy = 0, button = "left" }) {
    await moveTo(await pointIn(target, dx, dy));
    await page.mouse.click(pointer.x, pointer.y, { button });
    return null;
  },
  async press({ target, dx = 0 }) {
    await moveTo(await pointIn(target, dx));
    await page.mouse.down();
    return null;
  },
  async release({ dx = 0 }) {
    await moveTo({ x: pointer.x + dx, y: pointer.y });
    await page.mouse.up();
    return null;
  },
  // Keys pressed in turn, each with the modifiers held.
  async keys({ keys, modifiers = [] }) {
    for (const modifier of modifiers)
      await page.keyboard.down(keyOf(modifier));
    for (const key of keys)
      await page.keyboard.press(keyOf(key));
    for (const modifier of [...modifiers].reverse())
      await page.keyboard.up(keyOf(modifier));
    return null;
  },
  async text({ text }) {
    await page.keyboard.type(text);
    return null;
  },
  async quit() {
    if (browser)
      await browser.close();
    browser = null;
    return null;
  },
};

const lines = readline.createInterface({ input: process.stdin });
let queue = Promise.resolve();
lines.on("line", (line) => {
  queue = queue.then(async () => {
    const request = JSON.parse(line);
    let answer;
    try {
      answer = { value: await requests[request.op](request) };
    } catch (error) {
      answer = { error: String(error && error.message ? error.message : error) };
    }
    process.stdout.write(`${JSON.stringify(answer)}\n`);
    if (request.op === "quit")
      process.exit(0);
  });
});
// The tests gone: the browser goes too.
lines.on("close", () => queue.then(() => requests.quit()).finally(() => process.exit(0)));

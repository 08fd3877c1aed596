// Vexolite in the browser: builds the controls from the layout table, forwards events to the
// viewer's entry points and shows what the glue hands back. No viewer logic lives here.
// SPDX-License-Identifier: MIT
"use strict";

(async function () {
  const module = await createVexolite();
  const language = module.pageLanguage(location.search, navigator.languages?.[0] ?? navigator.language ?? "");
  document.documentElement.lang = language;
  const translations = language === "en" ? await (await fetch("vexolite_en.json")).json() : {};
  const texts = module.pageTexts(translations);
  const layout = module.layoutTable(translations);
  const folder = module.workingFolder();
  module.FS.mkdir(folder);
  const catalogue = await fetch(module.caseFileName());
  module.FS.writeFile(folder + "/" + module.caseFileName(), new Uint8Array(await catalogue.arrayBuffer()));

  const viewer = document.getElementById("viewer");
  const elements = [];
  const versions = [];
  let page = null;

  // Places and sizes in CSS pixels; a picture's canvas keeps one surface pixel to one CSS pixel,
  // enlarged by whole device pixels on a scaled screen.
  function place(element, control) {
    element.style.left = control.left + "px";
    element.style.top = control.top + "px";
    element.style.width = control.width + "px";
    element.style.height = control.height + "px";
  }

  function font(element, control) {
    const families = ['"' + control.fontFamily + '"'];
    if (control.fallbackFamily) families.push('"' + control.fallbackFamily + '"');
    element.style.fontFamily = families.join(", ");
    element.style.fontSize = control.pointSize + "pt";
    element.style.fontWeight = control.bold ? "bold" : "normal";
    if (control.background) element.style.backgroundColor = control.background;
    if (control.foreground) element.style.color = control.foreground;
  }

  function pictureScale() {
    return Math.max(1, Math.floor(window.devicePixelRatio || 1)) / (window.devicePixelRatio || 1);
  }

  function build(control) {
    let element;
    switch (control.kind) {
      case "window":
        viewer.style.width = control.width + "px";
        viewer.style.height = control.height + "px";
        viewer.style.minWidth = control.width + "px";
        viewer.style.minHeight = control.height + "px";
        font(viewer, control);
        return viewer;
      case "picture":
        element = document.createElement("canvas");
        element.width = control.surfaceWidth;
        element.height = control.surfaceHeight;
        // A press maps back to the surface pixel under it, at any scale, as in the window.
        element.addEventListener("mousedown", (event) => {
          const x = Math.floor(event.offsetX / pictureScale());
          const y = Math.floor(event.offsetY / pictureScale());
          run(() => page.press(x, y));
        });
        break;
      case "button":
        element = document.createElement("button");
        element.type = "button";
        element.addEventListener("click", () => run(() => page.click(control.id)));
        break;
      case "option":
      case "indicator": {
        element = document.createElement("label");
        const input = document.createElement("input");
        input.type = control.kind === "option" ? "radio" : "checkbox";
        input.name = "group" + control.parent;
        if (control.kind === "indicator") {
          input.disabled = true;
        } else {
          input.addEventListener("change", () => run(() => page.choose(control.id)));
        }
        element.append(input, document.createElement("span"));
        break;
      }
      case "textbox":
        element = document.createElement("input");
        element.type = "text";
        element.addEventListener("input", () => run(() => page.typed(element.value)));
        break;
      case "multiline":
      case "richtext":
        element = document.createElement("textarea");
        element.readOnly = true;
        break;
      case "frame":
        element = document.createElement("fieldset");
        break;
      default:
        element = document.createElement("div");
        element.classList.add("label");
    }
    element.classList.add("control");
    element.id = control.name;
    place(element, control);
    font(element, control);
    if (control.toolTip) element.title = control.toolTip;
    const focusable = control.tabIndex >= 0;
    const target = element.querySelector("input") ?? element;
    target.tabIndex = focusable ? control.tabIndex + 1 : -1;
    (layout[control.parent].kind === "frame" ? elements[control.parent] : viewer).append(element);
    return element;
  }

  // The frame before the options it holds, as the window builds them.
  for (const inFrame of [false, true]) {
    for (const control of layout) {
      const parent = layout[control.parent];
      if ((parent.kind === "frame") === inFrame) elements[control.id] = build(control);
    }
  }
  const figureView = layout.find((control) => control.name === "FigureView");
  const helpBox = layout.find((control) => control.name === "HelpBox");
  elements[figureView.id].setAttribute("role", "img");
  // On a screen scaled by a fraction, the pixels take the whole device pixels they can and the
  // rest of the picture box stays white, as in the window.
  if (pictureScale() !== 1) {
    for (const control of layout.filter((c) => c.kind === "picture")) {
      const style = elements[control.id].style;
      style.boxSizing = "content-box";
      style.width = control.surfaceWidth * pictureScale() + "px";
      style.height = control.surfaceHeight * pictureScale() + "px";
      style.paddingRight = control.width - control.surfaceWidth * pictureScale() + "px";
      style.paddingBottom = control.height - control.surfaceHeight * pictureScale() + "px";
      style.backgroundColor = "white";
    }
  }

  function setText(control, element, text) {
    if (control.kind === "option" || control.kind === "indicator") {
      element.querySelector("span").textContent = text;
    } else if (control.kind === "textbox" || control.kind === "multiline" || control.kind === "richtext") {
      const value = text.replaceAll("\r\n", "\n");
      if (element.value !== value) element.value = value;
    } else if (control.kind !== "window" && control.kind !== "picture" && control.kind !== "frame") {
      element.textContent = text;
    }
  }

  // Shows the glue's state: texts, checks, enabling, visibility, changed pictures, the label of
  // the figure view and the address.
  function show() {
    const states = page.controls();
    for (const control of layout) {
      const element = elements[control.id];
      const state = states[control.id];
      setText(control, element, state.text);
      const input = element.querySelector?.("input");
      if (input) {
        input.checked = state.checked;
        if (control.kind === "option") input.disabled = !state.enabled;
      } else if (control.kind !== "window") {
        element.disabled = !state.enabled;
      }
      if (control.disabledForeground) {
        element.style.color = state.enabled ? control.foreground : control.disabledForeground;
      }
      if (control.kind !== "window") element.hidden = !state.visible;
      if (control.kind === "picture" && versions[control.id] !== page.pictureVersion(control.id)) {
        versions[control.id] = page.pictureVersion(control.id);
        const pixels = new Uint8ClampedArray(page.pixels(control.id));
        element.getContext("2d").putImageData(new ImageData(pixels, control.surfaceWidth, control.surfaceHeight), 0, 0);
      }
    }
    elements[figureView.id].setAttribute("aria-label", page.viewDescription());
    const shown = page.shownCase();
    if (shown) history.replaceState(null, "", "#" + shown);
  }

  function offerDownloads() {
    for (const file of page.takeDownloads()) {
      const link = document.createElement("a");
      link.href = URL.createObjectURL(new Blob([file.bytes], { type: "application/octet-stream" }));
      link.download = file.name;
      document.body.append(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    }
  }

  // The desktop's beep: a short tone.
  let audio = null;
  function beep() {
    audio ??= new AudioContext();
    const tone = audio.createOscillator();
    const gain = audio.createGain();
    tone.frequency.value = 880;
    gain.gain.value = 0.1;
    tone.connect(gain).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.1);
  }

  const dialog = document.getElementById("message");
  const endedDialog = document.getElementById("ended");
  const queue = [];
  let focusAfter = null;

  // The viewer's message boxes, one modal dialog after another; then the focus the viewer asked
  // for, or back where it was.
  function nextMessage() {
    if (dialog.open) return;
    const message = queue.shift();
    if (!message) {
      if (page.ended()) {
        endedDialog.showModal();
        return;
      }
      const focus = focusAfter;
      focusAfter = null;
      if (focus !== null) focus.focus();
      return;
    }
    elements[helpBox.id].hidden = !message.help;
    elements[figureView.id].hidden = message.help;
    document.getElementById("message-text").textContent = message.text;
    dialog.dataset.icon = message.icon;
    dialog.classList.toggle("beside-help", message.help);
    dialog.showModal();
  }
  dialog.addEventListener("close", () => {
    elements[helpBox.id].hidden = !page.controls()[helpBox.id].visible;
    elements[figureView.id].hidden = !page.controls()[figureView.id].visible;
    nextMessage();
  });

  // Runs one entry point, then shows everything it changed.
  function run(entry) {
    if (page.ended()) return undefined;
    const before = document.activeElement;
    const result = entry();
    const focus = page.takeFocus();
    for (let n = page.takeBeeps(); n > 0; --n) beep();
    show();
    offerDownloads();
    const messages = page.takeMessages();
    if (focus >= 0) {
      const element = elements[focus];
      focusAfter = element.querySelector?.("input") ?? element;
    } else if (messages.length > 0 && focusAfter === null) {
      focusAfter = before;
    }
    queue.push(...messages);
    if (!dialog.open) nextMessage();
    return result;
  }

  function startSession() {
    page?.delete();
    page = new module.Page(translations);
    versions.length = 0;
    run(() => page.start(location.hash.slice(1)));
  }

  viewer.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (run(() => page.key(event.key, event.location))) event.preventDefault();
  });

  async function addFiles(files) {
    for (const file of files) {
      if (!run(() => page.acceptsSize(file.name, file.size))) continue;
      const bytes = new Uint8Array(await file.arrayBuffer());
      if (run(() => page.addFile(file.name, bytes)) === "caseFile") startSession();
    }
  }
  const chooser = document.getElementById("file-chooser");
  const openButton = document.getElementById("open-file");
  openButton.textContent = texts.openFile;
  openButton.title = texts.openFileTip;
  openButton.addEventListener("click", () => chooser.click());
  chooser.addEventListener("change", () => {
    addFiles([...chooser.files]);
    chooser.value = "";
  });
  document.addEventListener("dragover", (event) => event.preventDefault());
  document.addEventListener("drop", (event) => {
    event.preventDefault();
    addFiles([...event.dataTransfer.files]);
  });

  document.getElementById("message-ok").textContent = texts.ok;
  document.getElementById("ended-text").textContent = texts.ended;
  document.getElementById("restart").textContent = texts.restart;
  endedDialog.addEventListener("close", startSession);

  // The first tab stop has the focus at start, as in the window.
  const first = layout.filter((control) => control.tabIndex === 0)[0];
  (elements[first.id].querySelector("input") ?? elements[first.id]).focus();
  startSession();
  document.body.dataset.ready = "true";
  performance.mark("vexolite-ready");
})();

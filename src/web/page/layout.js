// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Two layouts of the one form. Where the form fits whole at its own size, it is the window's
// client area, every control at its place from the control table; elsewhere (a phone, a tablet
// held upright, a zoomed page) the controls flow in one column. The form fits where the room is
// at least as wide as the form and every caption stays inside its place: the reader's text
// spacing or fonts can make a caption outgrow it, and then the column takes over too.
//
// A ResizeObserver watches a ruler of no height, whose width is the room, and, in the window's
// layout, the captions; the layout is chosen after the browser has laid the page out and before
// it paints, so no frame shows the wrong one. The column's captions wrap and change their size
// with it, so they are watched only while the form stands at its places.

// A caption may reach a pixel past its place (the ends of its glyphs) without being cut.
const slack = 1;

const outgrows = (caption, { width, height }) =>
  width > caption.parentElement.clientWidth + slack ||
  height > caption.parentElement.clientHeight + slack;

// The form is transparent until the first choice: the browser lays a page out before it runs the
// observer, and a layout changed before the first paint would still count as a shift of the page,
// unless nothing of it could be seen. Transparent rather than hidden, it takes the focus at once.
export function layOut(stage, formWidth) {
  const ruler = document.createElement("div");
  ruler.className = "ruler";
  stage.before(ruler);
  const captions = [...stage.querySelectorAll(".caption")];
  let room = formWidth;
  let wide = true;

  const observer = new ResizeObserver((entries) => {
    let outgrown = false;
    for (const { target, contentRect } of entries) {
      if (target === ruler) {
        room = contentRect.width;
      } else {
        outgrown ||= outgrows(target, contentRect);
      }
    }
    const fits = room >= formWidth && !outgrown;
    if (fits !== wide) {
      wide = fits;
      stage.classList.toggle("wide", wide);
      // Back at their places, the captions are measured again before the page is painted.
      for (const caption of captions) {
        if (wide) observer.observe(caption);
        else observer.unobserve(caption);
      }
    }
    stage.style.opacity = "";
  });
  // The page opens in the window's layout, which most screens keep: laid out once.
  stage.style.opacity = "0";
  stage.classList.add("wide");
  for (const target of [ruler, ...captions]) {
    observer.observe(target);
  }
}

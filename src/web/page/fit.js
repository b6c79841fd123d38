// The form keeps the window's size and proportions: at full size wherever it fits, scaled down as
// a whole in a narrower window (a tablet, a phone). The form's size is known from the control
// table and the room is taken from the layout the browser makes anyway, so opening the page lays
// it out once and not a second time for the fit.

export function fitToWindow(stage, form, { width, height }) {
  let scale = 1;
  const size = () => {
    form.style.transform = scale < 1 ? `scale(${scale})` : "";
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  };
  size();
  new ResizeObserver(([room]) => {
    const fitting = Math.min(1, room.contentRect.width / width);
    if (fitting !== scale) {
      scale = fitting;
      size();
    }
  }).observe(stage.parentElement);
}

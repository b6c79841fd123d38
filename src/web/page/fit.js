// The form keeps the window's size and proportions: at full size wherever it fits, scaled down as
// a whole in a narrower window (a tablet, a phone).

export function fitToWindow(stage, form) {
  const fit = () => {
    const width = form.offsetWidth;
    const height = form.offsetHeight;
    const scale = Math.min(1, stage.parentElement.clientWidth / width);
    form.style.transform = scale < 1 ? `scale(${scale})` : "";
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  };
  fit();
  window.addEventListener("resize", fit);
}

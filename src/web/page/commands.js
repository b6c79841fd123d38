// The commands: a click of a button, or Enter in an operand box for "Изчисли", reaches one handler
// with the button's index, as in the window. The handler hands the core the boxes' texts, runs the
// command, and shows what it wrote; a command that stops on an error keeps what it had written,
// and the failure dialog then tells why.

export function wireCommands(core, form, controls, boxes, failure) {
  const run = (index) => {
    boxes.handIn();
    const message = form.click(index);
    boxes.showAll();
    if (message) {
      failure.show(message);
    }
  };

  const formElement = controls.pole[core.taskBox].parentElement;
  formElement.addEventListener("click", (event) => {
    const button = event.target.closest("button[data-button]");
    if (button) {
      run(Number(button.dataset.button));
    }
  });

  const operands = [controls.pole[core.firstOperandBox], controls.pole[core.secondOperandBox]];
  formElement.addEventListener("keydown", (event) => {
    if (event.key === "Enter" && !event.isComposing && operands.includes(event.target)) {
      event.preventDefault();
      run(core.computeButton);
    }
  });
}

// A message box: a modal dialog with the application title, the icon, the text
// and the buttons the program names, the first of them the default. It answers
// which button closed it; Escape answers the last. The banner goes on meanwhile.
OrviPage.messageBox = function (title, text, icon, captions) {
  return new Promise((resolve) => {
    const returnFocus = document.activeElement;
    const last = captions.length - 1;
    const dialog = document.createElement('dialog');
    dialog.className = 'message-box';
    dialog.setAttribute('role', icon === 'critical' ? 'alertdialog' : 'dialog');
    dialog.setAttribute('aria-labelledby', 'message-box-title');
    dialog.setAttribute('aria-describedby', 'message-box-text');
    const heading = document.createElement('h1');
    heading.id = 'message-box-title';
    heading.textContent = title;
    const body = document.createElement('div');
    body.className = 'body';
    if (icon) {
      const picture = document.createElement('div');
      picture.className = 'icon ' + icon;
      picture.setAttribute('aria-hidden', 'true');
      body.append(picture);
    }
    const message = document.createElement('p');
    message.id = 'message-box-text';
    message.textContent = text;
    body.append(message);
    const buttons = document.createElement('form');
    buttons.method = 'dialog';
    captions.forEach((caption, i) => {
      const button = document.createElement('button');
      button.textContent = caption;
      button.value = String(i);
      buttons.append(button);
    });
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      dialog.close(String(last));
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (returnFocus && returnFocus.isConnected) returnFocus.focus();
      resolve(dialog.returnValue === '' ? last : Number(dialog.returnValue));
    });
    dialog.append(heading, body, buttons);
    document.body.append(dialog);
    dialog.showModal();
    OrviPage.placeOnScreen(dialog);
    buttons.firstChild.focus();
  });
};

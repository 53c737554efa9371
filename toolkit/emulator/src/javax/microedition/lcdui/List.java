package javax.microedition.lcdui;

/** A screen that is a list of choices. */
public class List extends Screen implements Choice {
    public static final Command SELECT_COMMAND = new Command("", Command.SCREEN, 0);

    private final ChoiceModel model;
    private Command selectCommand = SELECT_COMMAND;

    public List(String title, int listType) {
        this(title, listType, new String[0], null);
    }

    public List(String title, int listType, String[] stringElements, Image[] imageElements) {
        if (listType != IMPLICIT && listType != EXCLUSIVE && listType != MULTIPLE) {
            throw new IllegalArgumentException("bad list type");
        }
        if (stringElements == null) {
            throw new NullPointerException();
        }
        this.title = title;
        model = new ChoiceModel(listType, stringElements, imageElements);
    }

    @Override
    public int size() {
        return model.strings.size();
    }

    @Override
    public String getString(int elementNum) {
        return model.getString(elementNum);
    }

    @Override
    public Image getImage(int elementNum) {
        return model.getImage(elementNum);
    }

    @Override
    public int append(String stringPart, Image imagePart) {
        int i = model.append(stringPart, imagePart);
        changed();
        return i;
    }

    @Override
    public void insert(int elementNum, String stringPart, Image imagePart) {
        model.insert(elementNum, stringPart, imagePart);
        changed();
    }

    @Override
    public void delete(int elementNum) {
        model.delete(elementNum);
        changed();
    }

    @Override
    public void deleteAll() {
        model.deleteAll();
        changed();
    }

    @Override
    public void set(int elementNum, String stringPart, Image imagePart) {
        model.set(elementNum, stringPart, imagePart);
        changed();
    }

    @Override
    public boolean isSelected(int elementNum) {
        return model.isSelected(elementNum);
    }

    @Override
    public int getSelectedIndex() {
        return model.getSelectedIndex();
    }

    @Override
    public int getSelectedFlags(boolean[] selectedArray) {
        return model.getSelectedFlags(selectedArray);
    }

    @Override
    public void setSelectedIndex(int elementNum, boolean selected) {
        model.setSelectedIndex(elementNum, selected);
        changed();
    }

    @Override
    public void setSelectedFlags(boolean[] selectedArray) {
        model.setSelectedFlags(selectedArray);
        changed();
    }

    @Override
    public void removeCommand(Command cmd) {
        if (cmd == selectCommand) {
            selectCommand = null;
        }
        super.removeCommand(cmd);
    }

    public void setSelectCommand(Command command) {
        if (model.type != IMPLICIT) {
            return;
        }
        if (command == null) {
            selectCommand = null;
            return;
        }
        if (command != SELECT_COMMAND) {
            addCommand(command);
        }
        selectCommand = command;
    }

    @Override
    public void setFitPolicy(int fitPolicy) {
        model.setFitPolicy(fitPolicy);
    }

    @Override
    public int getFitPolicy() {
        return model.fitPolicy;
    }

    @Override
    public void setFont(int elementNum, Font font) {
        model.setFont(elementNum, font);
        changed();
    }

    @Override
    public Font getFont(int elementNum) {
        return model.getFont(elementNum);
    }

    @Override
    boolean moveFocus(int delta) {
        int n = size();
        if (n == 0) {
            return false;
        }
        model.focus = (model.focus + delta + n) % n;
        if (model.type == IMPLICIT) {
            model.setSelectedIndex(model.focus, true);
        }
        return true;
    }

    @Override
    void select() {
        if (size() == 0) {
            return;
        }
        if (model.type == IMPLICIT) {
            model.setSelectedIndex(model.focus, true);
            if (selectCommand != null) {
                fireCommand(selectCommand);
            }
        } else if (model.type == EXCLUSIVE) {
            model.setSelectedIndex(model.focus, true);
        } else {
            model.setSelectedIndex(model.focus, !model.isSelected(model.focus));
        }
    }

    @Override
    int[] paintContent(Graphics g, int width) {
        int[] r = model.paint(g, 0, 0, width, true);
        reveal(r[0], r[1]);
        return r;
    }
}

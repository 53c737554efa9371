package javax.microedition.rms;

import avizad.emulator.Device;
import avizad.emulator.VM;
import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.util.Hashtable;
import java.util.Vector;

/**
 * A MIDlet's persistent records, kept by the machine (its host decides whether they outlive the
 * run: a headless run keeps them in memory, so every run starts from the same state).
 */
public class RecordStore {
    public static final int AUTHMODE_PRIVATE = 0;
    public static final int AUTHMODE_ANY = 1;

    private static final Hashtable OPEN = new Hashtable();
    private static final int CAPACITY = 1 << 20;

    private final String name;
    /** The records by id, and their ids in increasing order. */
    private final Hashtable records = new Hashtable();
    private int[] order = new int[0];
    private int nextId = 1;
    private int version;
    private long lastModified;
    private int openCount;
    private final Vector listeners = new Vector();
    final Vector enumerations = new Vector();

    private RecordStore(String name) {
        this.name = name;
    }

    private static void checkName(String name) {
        if (name == null || name.length() < 1 || name.length() > 32) {
            throw new IllegalArgumentException("a record store name has 1 to 32 characters");
        }
    }

    public static synchronized RecordStore openRecordStore(String recordStoreName,
            boolean createIfNecessary) throws RecordStoreException, RecordStoreFullException,
            RecordStoreNotFoundException {
        checkName(recordStoreName);
        RecordStore rs = (RecordStore) OPEN.get(recordStoreName);
        if (rs == null) {
            rs = load(recordStoreName);
            if (rs == null) {
                if (!createIfNecessary) {
                    throw new RecordStoreNotFoundException(recordStoreName);
                }
                rs = new RecordStore(recordStoreName);
                rs.lastModified = VM.currentTimeMillis();
                rs.save();
            }
            OPEN.put(recordStoreName, rs);
        }
        rs.openCount++;
        return rs;
    }

    public static RecordStore openRecordStore(String recordStoreName, boolean createIfNecessary,
            int authmode, boolean writable) throws RecordStoreException, RecordStoreFullException,
            RecordStoreNotFoundException {
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authmode");
        }
        return openRecordStore(recordStoreName, createIfNecessary);
    }

    public static RecordStore openRecordStore(String recordStoreName, String vendorName,
            String suiteName) throws RecordStoreException, RecordStoreNotFoundException {
        if (vendorName == null || suiteName == null) {
            throw new IllegalArgumentException("vendor and suite names are required");
        }
        if (!vendorName.equals(Device.property("MIDlet-Vendor"))
                || !suiteName.equals(Device.property("MIDlet-Name"))) {
            throw new RecordStoreNotFoundException(recordStoreName);
        }
        return openRecordStore(recordStoreName, false);
    }

    public static synchronized void deleteRecordStore(String recordStoreName)
            throws RecordStoreException, RecordStoreNotFoundException {
        RecordStore rs = (RecordStore) OPEN.get(recordStoreName);
        if (rs != null && rs.openCount > 0) {
            throw new RecordStoreException("the record store is open");
        }
        OPEN.remove(recordStoreName);
        if (!avizad.vm.VM.deleteStore(recordStoreName)) {
            throw new RecordStoreNotFoundException(recordStoreName);
        }
    }

    public static synchronized String[] listRecordStores() {
        return avizad.vm.VM.listStores();
    }

    private static RecordStore load(String name) throws RecordStoreException {
        byte[] bytes = avizad.vm.VM.loadStore(name);
        if (bytes == null) {
            return null;
        }
        RecordStore rs = new RecordStore(name);
        try {
            DataInputStream in = new DataInputStream(new ByteArrayInputStream(bytes));
            rs.nextId = in.readInt();
            rs.version = in.readInt();
            rs.lastModified = in.readLong();
            int n = in.readInt();
            for (int i = 0; i < n; i++) {
                int id = in.readInt();
                byte[] data = new byte[in.readInt()];
                in.readFully(data);
                rs.put(id, data);
            }
        } catch (IOException e) {
            throw new RecordStoreException("cannot read record store " + name + ": " + e);
        } catch (RuntimeException e) {
            throw new RecordStoreException("cannot read record store " + name + ": " + e);
        }
        return rs;
    }

    private void save() throws RecordStoreException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        try {
            out.writeInt(nextId);
            out.writeInt(version);
            out.writeLong(lastModified);
            out.writeInt(order.length);
            for (int i = 0; i < order.length; i++) {
                byte[] r = (byte[]) records.get(new Integer(order[i]));
                out.writeInt(order[i]);
                out.writeInt(r.length);
                out.write(r);
            }
        } catch (IOException e) {
            throw new RecordStoreException("cannot write record store " + name + ": " + e);
        }
        avizad.vm.VM.saveStore(name, bytes.toByteArray());
    }

    /** Sets record `id`, keeping the ids in order. */
    private void put(int id, byte[] data) {
        if (records.put(new Integer(id), data) == null) {
            int[] o = new int[order.length + 1];
            int i = 0;
            while (i < order.length && order[i] < id) {
                o[i] = order[i];
                i++;
            }
            o[i] = id;
            System.arraycopy(order, i, o, i + 1, order.length - i);
            order = o;
        }
    }

    private void remove(int id) {
        if (records.remove(new Integer(id)) != null) {
            int[] o = new int[order.length - 1];
            int j = 0;
            for (int i = 0; i < order.length; i++) {
                if (order[i] != id) {
                    o[j++] = order[i];
                }
            }
            order = o;
        }
    }

    private void checkOpen() throws RecordStoreNotOpenException {
        if (openCount <= 0) {
            throw new RecordStoreNotOpenException(name);
        }
    }

    private void touched() throws RecordStoreException {
        version++;
        lastModified = VM.currentTimeMillis();
        save();
    }

    public void setMode(int authmode, boolean writable) throws RecordStoreException {
        checkOpen();
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authmode");
        }
    }

    public synchronized void closeRecordStore() throws RecordStoreNotOpenException,
            RecordStoreException {
        checkOpen();
        openCount--;
        if (openCount == 0) {
            listeners.removeAllElements();
            synchronized (RecordStore.class) {
                OPEN.remove(name);
            }
        }
    }

    public String getName() throws RecordStoreNotOpenException {
        checkOpen();
        return name;
    }

    public synchronized int getVersion() throws RecordStoreNotOpenException {
        checkOpen();
        return version;
    }

    public synchronized int getNumRecords() throws RecordStoreNotOpenException {
        checkOpen();
        return records.size();
    }

    public synchronized int getSize() throws RecordStoreNotOpenException {
        checkOpen();
        int size = 16;
        for (int i = 0; i < order.length; i++) {
            size += 8 + ((byte[]) records.get(new Integer(order[i]))).length;
        }
        return size;
    }

    public int getSizeAvailable() throws RecordStoreNotOpenException {
        return Math.max(0, CAPACITY - getSize());
    }

    public synchronized long getLastModified() throws RecordStoreNotOpenException {
        checkOpen();
        return lastModified;
    }

    public void addRecordListener(RecordListener listener) {
        if (listener != null && !listeners.contains(listener)) {
            listeners.addElement(listener);
        }
    }

    public void removeRecordListener(RecordListener listener) {
        listeners.removeElement(listener);
    }

    public synchronized int getNextRecordID() throws RecordStoreNotOpenException,
            RecordStoreException {
        checkOpen();
        return nextId;
    }

    private void notifyListeners(int kind, int id) {
        Vector copy = copyOf(listeners);
        for (int i = 0; i < copy.size(); i++) {
            RecordListener l = (RecordListener) copy.elementAt(i);
            if (kind == 0) {
                l.recordAdded(this, id);
            } else if (kind == 1) {
                l.recordChanged(this, id);
            } else {
                l.recordDeleted(this, id);
            }
        }
        Vector en = copyOf(enumerations);
        for (int i = 0; i < en.size(); i++) {
            ((StoreEnumeration) en.elementAt(i)).storeChanged();
        }
    }

    public int addRecord(byte[] data, int offset, int numBytes) throws RecordStoreNotOpenException,
            RecordStoreException, RecordStoreFullException {
        int id;
        synchronized (this) {
            checkOpen();
            byte[] copy = copyOf(data, offset, numBytes);
            if (getSize() + 8 + copy.length > CAPACITY) {
                throw new RecordStoreFullException();
            }
            id = nextId++;
            put(id, copy);
            touched();
        }
        notifyListeners(0, id);
        return id;
    }

    private static Vector copyOf(Vector v) {
        Vector out = new Vector(v.size());
        for (int i = 0; i < v.size(); i++) {
            out.addElement(v.elementAt(i));
        }
        return out;
    }

    private static byte[] copyOf(byte[] data, int offset, int numBytes) {
        if (data == null) {
            if (numBytes > 0) {
                throw new NullPointerException();
            }
            return new byte[0];
        }
        if (offset < 0 || numBytes < 0 || offset + numBytes > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        byte[] copy = new byte[numBytes];
        System.arraycopy(data, offset, copy, 0, numBytes);
        return copy;
    }

    private byte[] find(int recordId) throws InvalidRecordIDException {
        byte[] r = (byte[]) records.get(new Integer(recordId));
        if (r == null) {
            throw new InvalidRecordIDException("record " + recordId);
        }
        return r;
    }

    public void deleteRecord(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        synchronized (this) {
            checkOpen();
            find(recordId);
            remove(recordId);
            touched();
        }
        notifyListeners(2, recordId);
    }

    public synchronized int getRecordSize(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        checkOpen();
        return find(recordId).length;
    }

    public synchronized int getRecord(int recordId, byte[] buffer, int offset)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        checkOpen();
        byte[] r = find(recordId);
        System.arraycopy(r, 0, buffer, offset, r.length);
        return r.length;
    }

    public synchronized byte[] getRecord(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        checkOpen();
        byte[] r = find(recordId);
        return r.length == 0 ? null : copyOf(r, 0, r.length);
    }

    public void setRecord(int recordId, byte[] newData, int offset, int numBytes)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException,
            RecordStoreFullException {
        synchronized (this) {
            checkOpen();
            byte[] old = find(recordId);
            byte[] copy = copyOf(newData, offset, numBytes);
            if (getSize() - old.length + copy.length > CAPACITY) {
                throw new RecordStoreFullException();
            }
            put(recordId, copy);
            touched();
        }
        notifyListeners(1, recordId);
    }

    public synchronized RecordEnumeration enumerateRecords(RecordFilter filter,
            RecordComparator comparator, boolean keepUpdated) throws RecordStoreNotOpenException {
        checkOpen();
        return new StoreEnumeration(this, filter, comparator, keepUpdated);
    }

    /** The ids and contents of the records, in id order (for enumerations). */
    synchronized int[] ids() {
        int[] out = new int[order.length];
        System.arraycopy(order, 0, out, 0, out.length);
        return out;
    }

    synchronized byte[] peek(int id) {
        return (byte[]) records.get(new Integer(id));
    }

    boolean isOpen() {
        return openCount > 0;
    }
}
